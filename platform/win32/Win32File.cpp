// CFile over CreateFileA/WriteFile: the share mode asked for, one WriteFile per Write call,
// and the injected faults consulted before the real call.
#include "platform/CFile.h"
#include "platform/MbcsText.h"
#include "platform/ServiceSeams.h"
#include "platform/win32/Win32World.h"

#include <algorithm>

namespace {

using Win32File = BackendFile<HANDLE>;

Win32File* Of(void* handle) { return Win32File::Of(handle); }

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

}  // namespace

CFile::~CFile() { Close(); }

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
    handle_ = new Win32File{handle, opening.writable, path};
    return TRUE;
}

BOOL CFile::Write(const void* data, UINT count) {
    Win32File* file = Of(handle_);
    if (!file || !file->writable) return FALSE;
    Win32World& world = World();
    DWORD error = ERROR_DISK_FULL;  // an injected failure stands for a full disk
    const bool written = SeamedWrite(count, [&] {
        DWORD done = 0;
        const bool whole = ::WriteFile(file->handle, data, count, &done, nullptr) && done == count;
        if (!whole) error = ::GetLastError() != ERROR_SUCCESS ? ::GetLastError() : ERROR_DISK_FULL;
        if (!whole && done > 0) TakeBack(file->handle, done);
        return whole;
    });
    return written || world.Failed("WriteFile", file->path, error);
}

UINT CFile::Read(void* buffer, UINT count) {
    Win32File* file = Of(handle_);
    if (!file) return 0;
    UINT total = 0;
    while (total < count) {
        DWORD got = 0;
        if (!::ReadFile(file->handle, static_cast<char*>(buffer) + total, count - total, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

std::uint64_t CFile::GetLength() const {
    const Win32File* file = Of(handle_);
    LARGE_INTEGER size{};
    return file && ::GetFileSizeEx(file->handle, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
}

void CFile::Close() {
    if (Win32File* file = Of(handle_)) {
        ::CloseHandle(file->handle);
        delete file;
    }
    handle_ = nullptr;
}
