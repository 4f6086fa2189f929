// What the whole run shares: the launch parameter, the calling window and the exit code.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

class CWnd;

enum class RunExit : std::int32_t { Finished = 0, Cancelled = 1, Failed = 2 };

struct RunState {
    bool launchedByParent = false;
    HWND parentWindow = nullptr;
    std::int32_t notifyMessage = 0;
    std::int16_t functionId = 1;
    std::string fixedOutputPath;
    CWnd* parentWindowObject = nullptr;
    std::int32_t exitCode = 0;

    void SetExit(RunExit code) { exitCode = static_cast<std::int32_t>(code); }
};
