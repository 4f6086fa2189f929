// Module path, directories, initialisation files, drives, folders and files: each the real
// call, the injected faults consulted before it.
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/ServiceSeams.h"
#include "platform/win32/Win32World.h"

#include <io.h>

#include <vector>

namespace {

// A call that fills a buffer and answers the length, called again with a larger buffer while
// the text does not fit.
template <class Call>
std::string Filled(Call call) {
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length + 2 < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() > 0x10000) return {};
        buffer.resize(buffer.size() * 4);
    }
}

std::string LastName(const std::string& path) {
    std::string trimmed = path;
    while (MbcsText::EndsWithBackslash(trimmed)) trimmed.pop_back();
    const std::size_t slash = MbcsText::FindLast(trimmed, '\\');
    return slash == MbcsText::npos ? trimmed : trimmed.substr(slash + 1);
}

}  // namespace

namespace platform {

std::string GetModuleFileName() {
    return Filled([](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
}

std::string GetCurrentDirectory() {
    if (Seams().LosesCurrentDirectory()) return {};
    return Filled([](char* buffer, DWORD size) { return ::GetCurrentDirectoryA(size, buffer); });
}

BOOL SetCurrentDirectory(const std::string& path) { return ::SetCurrentDirectoryA(path.c_str()); }

std::string GetTempPath() {
    return Filled([](char* buffer, DWORD size) { return ::GetTempPathA(size, buffer); });
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    return Filled([&](char* buffer, DWORD size) {
        return ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                          fileName.c_str());
    });
}

UINT GetDriveType(const std::string& rootPath) {
    const bool bareDrive = rootPath.size() == 2 && rootPath[1] == ':';
    return ::GetDriveTypeA((bareDrive ? rootPath + "\\" : rootPath).c_str());
}

BOOL CanReadWrite(const std::string& path) { return ::_access(path.c_str(), 6) == 0; }

DWORD GetFileAttributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

BOOL CreateDirectory(const std::string& path) {
    Win32World& world = World();
    if (Seams().RefusesFolder(LastName(path))) return world.Failed("CreateDirectoryA", path, ERROR_ACCESS_DENIED);
    return ::CreateDirectoryA(path.c_str(), nullptr) || world.Failed("CreateDirectoryA", path);
}

BOOL RemoveDirectory(const std::string& path) {
    return ::RemoveDirectoryA(path.c_str()) || World().Failed("RemoveDirectoryA", path);
}

BOOL DeleteFile(const std::string& path) { return ::DeleteFileA(path.c_str()) || World().Failed("DeleteFileA", path); }

BOOL ReplaceFile(const std::string& replacement, const std::string& target) {
    Win32World& world = World();
    constexpr const char* kCall = "MoveFileExA";
    const std::string name = LastName(target);
    if (Seams().RefusesReplace(name)) return world.Failed(kCall, target, ERROR_ACCESS_DENIED);
    if (Seams().HoldsBusy(name, true)) return world.Failed(kCall, target, ERROR_SHARING_VIOLATION);
    return ::MoveFileExA(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
           world.Failed(kCall, target);
}

DWORD GetLastError() { return ::GetLastError(); }

DWORD GetCurrentProcessId() { return ::GetCurrentProcessId(); }

void Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform
