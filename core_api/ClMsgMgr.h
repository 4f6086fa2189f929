// Error recording and error messages of the accounting system (one per process).
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

class ClMsgMgr {
public:
    static ClMsgMgr* Inst();

    // Records a status with the source location and line (nullptr, 0 for success); answers
    // the status.
    std::int32_t SetLastError(std::int32_t status, const char* location, int line);
    // Non-zero when the status is fatal, after the error message has been shown (owned by
    // owner, nullptr for none). 0 and 5000 are not fatal.
    int CheckFatalErrorWithMsg(std::int32_t status, int mode, int show, HWND owner);

    // The last recorded status, location and line.
    std::int32_t GetLastErrorStatus() const;
    std::string GetLastErrorLocation() const;
    int GetLastErrorLine() const;

private:
    ClMsgMgr() = default;
};
