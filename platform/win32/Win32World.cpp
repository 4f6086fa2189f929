#include "platform/win32/Win32World.h"

#include "platform/FrameworkObserver.h"
#include "platform/TextCodec.h"

Win32World& World() {
    static Win32World* world = new Win32World;  // outlives every static object of the program
    return *world;
}

std::string ErrorText(DWORD error) {
    char* buffer = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", buffer ? length : 0);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string DescribeLastError(const char* call) {
    const DWORD error = ::GetLastError();
    return std::string(call) + ": error " + std::to_string(error) + ": " + OneLine(ErrorText(error));
}

BOOL Win32World::Failed(const char* call, const std::string& path, DWORD code) {
    const DWORD error = code != ERROR_SUCCESS ? code : ::GetLastError();
    Observer().CallFailed(call, path, error, ErrorText(error));
    ::SetLastError(error);
    return FALSE;
}

void Win32World::Fail(std::exception_ptr error) {
    if (!failure) failure = error;
}

void Win32World::Rethrow() {
    if (!failure) return;
    std::exception_ptr error = failure;
    failure = nullptr;
    std::rethrow_exception(error);
}
