// A binary file, as MFC's CFile: no newline translation, one system write per Write call.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,  // create, or truncate an existing file
        typeBinary = 0x8000,
        // Ours, not MFC's: create a new file, failing when one of that name exists (CREATE_NEW),
        // so that a name is taken by one writer only.
        modeCreateNew = 0x100000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();

    BOOL Open(const std::string& path, UINT flags);
    // The whole buffer in one write, or FALSE (nothing written) when the system refuses it.
    BOOL Write(const void* data, UINT count);
    // Answers the number of bytes read, 0 at the end or on failure.
    UINT Read(void* buffer, UINT count);
    std::uint64_t GetLength() const;
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;  // the backend's open file
};

// What an Open with these flags asks for, the same in every backend.
struct FileOpening {
    explicit FileOpening(UINT flags);

    bool writable;
    bool createNew;
    bool create;
    // A failed open that would change a file is reported; a failed read (an optional file that
    // is missing) is the program's to judge: only GetLastError tells.
    bool Changes() const { return writable || create; }
    // The refusal that the service seams inject into this open of a file named name: its error
    // code (ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION), else ERROR_SUCCESS.
    DWORD InjectedRefusal(std::string_view name) const;
};

// A backend's open file behind CFile's handle.
template <class Handle>
struct BackendFile {
    Handle handle;
    bool writable;
    std::string path;  // as the program named it, for failure events

    static BackendFile* Of(void* opaque) { return static_cast<BackendFile*>(opaque); }
};
