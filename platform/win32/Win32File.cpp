// CFile over CreateFileA/WriteFile: the share mode asked for, one WriteFile per Write call,
// and the injected faults consulted before the real call.
#include "platform/CFile.h"
#include "platform/MbcsText.h"
#include "platform/win32/Win32World.h"

#include <algorithm>

namespace {

constexpr const char* kCall = "CreateFileA";

DWORD ShareMode(UINT flags) {
    switch (flags & 0x70) {
        case CFile::shareDenyWrite: return FILE_SHARE_READ;
        case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
        default: return 0;  // shareExclusive, and MFC's compatibility mode
    }
}

std::string LastName(const std::string& path) {
    std::size_t start = 0;
    for (const char separator : {'\\', '/'}) {
        const std::size_t at = MbcsText::FindLast(path, separator);
        if (at != MbcsText::npos) start = std::max(start, at + 1);
    }
    return path.substr(start);
}

// A short write leaves no part behind, as the whole-or-nothing contract promises.
void TakeBack(HANDLE handle, DWORD written) {
    LARGE_INTEGER back{};
    back.QuadPart = -static_cast<LONGLONG>(written);
    if (::SetFilePointerEx(handle, back, nullptr, FILE_CURRENT)) ::SetEndOfFile(handle);
}

class Win32File final : public OpenedFile {
public:
    Win32File(HANDLE handle, bool writable, const std::string& path) : OpenedFile(writable, path), handle_(handle) {}
    ~Win32File() override { ::CloseHandle(handle_); }

    bool WriteWhole(const void* data, UINT count) override {
        DWORD done = 0;
        const bool whole = ::WriteFile(handle_, data, count, &done, nullptr) && done == count;
        if (!whole) error_ = ::GetLastError() != ERROR_SUCCESS ? ::GetLastError() : ERROR_DISK_FULL;
        if (!whole && done > 0) TakeBack(handle_, done);
        return whole;
    }
    UINT ReadSome(void* buffer, UINT count) override {
        DWORD got = 0;
        return ::ReadFile(handle_, buffer, count, &got, nullptr) ? got : 0;
    }
    std::uint64_t Length() const override {
        LARGE_INTEGER size{};
        return ::GetFileSizeEx(handle_, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
    }
    BOOL WriteFailed(bool injected) override {
        return World().Failed("WriteFile", Path(), injected ? ERROR_DISK_FULL : error_);
    }

private:
    HANDLE handle_;
    DWORD error_ = ERROR_DISK_FULL;
};

}  // namespace

BOOL CFile::Open(const std::string& path, UINT flags) {
    Close();
    Win32World& world = World();
    const FileOpening opening(flags);
    const bool changes = opening.Changes(), createNew = opening.createNew, create = opening.create;
    if (const DWORD refused = opening.InjectedRefusal(LastName(path))) return world.Failed(kCall, path, refused);
    DWORD access = GENERIC_READ;
    if (flags & modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;
    else if (flags & modeWrite) access = GENERIC_WRITE;
    const DWORD creation = createNew ? CREATE_NEW : create ? CREATE_ALWAYS : OPEN_EXISTING;
    const HANDLE handle =
        ::CreateFileA(path.c_str(), access, ShareMode(flags), nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return changes ? world.Failed(kCall, path) : FALSE;
    file_ = std::make_unique<Win32File>(handle, opening.writable, path);
    return TRUE;
}
