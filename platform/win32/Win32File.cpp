// CFile over CreateFileA/WriteFile: the share mode asked for, one WriteFile per Write call,
// and the injected faults consulted before the real call.
#include "platform/CFile.h"
#include "platform/MbcsText.h"
#include "platform/win32/Win32World.h"

#include <algorithm>

namespace {

struct Win32File {
    HANDLE handle;
    bool writable;
};

Win32File* Of(void* handle) { return static_cast<Win32File*>(handle); }

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
    const bool writable = (flags & (modeWrite | modeReadWrite)) != 0;
    const bool create = (flags & modeCreate) != 0;
    if ((writable || create) && World().faults.RefusesFile(LastName(path))) return FALSE;
    DWORD access = GENERIC_READ;
    if (flags & modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;
    else if (flags & modeWrite) access = GENERIC_WRITE;
    const HANDLE handle = ::CreateFileA(path.c_str(), access, ShareMode(flags), nullptr,
                                        create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FALSE;
    handle_ = new Win32File{handle, writable};
    return TRUE;
}

BOOL CFile::Write(const void* data, UINT count) {
    Win32File* file = Of(handle_);
    if (!file || !file->writable) return FALSE;
    Win32World& world = World();
    return CountedWrite(world.faults, world.bytesWritten, count, [&] {
        DWORD written = 0;
        const bool whole = ::WriteFile(file->handle, data, count, &written, nullptr) && written == count;
        if (!whole && written > 0) TakeBack(file->handle, written);
        return whole;
    });
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
