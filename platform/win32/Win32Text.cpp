// Text conversions and CP932 classification over the system's code page 932.
#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "platform/win32/WideText.h"

namespace {

std::wstring ToWide(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// nullopt when a character has no form in the code page (only asked for CP932).
std::optional<std::string> FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    BOOL* lossyFlag = codePage == CP_UTF8 ? nullptr : &lossy;
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, lossyFlag);
    if (length <= 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, lossyFlag);
    if (lossy) return std::nullopt;
    return text;
}

// CP932 as the A functions give it to a program: a character CP932 lacks becomes '?', never a
// look-alike (a path must not silently name another file).
std::string Cp932Replacing(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", nullptr);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, "?", nullptr);
    return text;
}

}  // namespace

std::wstring Wide(std::string_view cp932) { return ToWide(932, 0, cp932); }

std::string Narrow(std::wstring_view wide) { return Cp932Replacing(wide); }

namespace TextCodec {

std::string ToUtf8(std::string_view cp932) { return FromWide(CP_UTF8, Wide(cp932)).value_or(std::string()); }

std::optional<std::string> ToCp932(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (wide.empty()) return std::nullopt;
    return FromWide(932, wide);
}

std::optional<std::string> ToCp932Replacing(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (wide.empty()) return std::nullopt;
    return Cp932Replacing(wide);
}

}  // namespace TextCodec

namespace platform {

bool IsDBCSLeadByte(unsigned char byte) { return ::IsDBCSLeadByteEx(932, byte) != FALSE; }

}  // namespace platform

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
