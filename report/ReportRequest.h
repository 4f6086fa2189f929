// What the report needs of the run besides the figures.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

struct ReportRequest {
    HWND owner = nullptr;  // of the questions and messages (the progress window)
    std::string outputPath;
    std::int16_t functionId = 1;
    const char* productName = "";  // the program's product-name literal
};
