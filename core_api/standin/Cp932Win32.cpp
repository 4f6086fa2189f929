// The books' UTF-8 to CP932 through Windows' converters (the win32 build has no iconv).
#include "core_api/standin/Cp932.h"

#include "platform/WinTypes.h"  // windows.h, included as the whole program includes it

namespace StandIn {

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const int size = static_cast<int>(utf8.size());
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideLength);
    BOOL lossy = FALSE;
    const int length = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(), length, nullptr, &lossy);
    if (lossy) return std::nullopt;
    return out;
}

}  // namespace StandIn
