// A binary file, as MFC's CFile: no newline translation, one system write per Write call.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A backend's open file behind CFile: each call one or two system calls on it.
class OpenedFile {
public:
    OpenedFile(bool writable, std::string path) : writable_(writable), path_(std::move(path)) {}
    virtual ~OpenedFile() = default;  // closes the system's file
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    // One whole write or none: a part the system wrote is taken back, its failure kept.
    virtual bool WriteWhole(const void* data, UINT count) = 0;
    // What one system read gives; 0 at the end or on failure.
    virtual UINT ReadSome(void* buffer, UINT count) = 0;
    virtual std::uint64_t Length() const = 0;
    // Reports the failed write (injected: refused by the service seams, as a full disk would)
    // with the path; answers FALSE.
    virtual BOOL WriteFailed(bool injected) = 0;

    bool Writable() const { return writable_; }
    const std::string& Path() const { return path_; }

private:
    bool writable_;
    std::string path_;  // as the program named it, for failure events
};

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
    ~CFile() { Close(); }

    BOOL Open(const std::string& path, UINT flags);
    // The whole buffer in one write, or FALSE (nothing written) when the system refuses it.
    BOOL Write(const void* data, UINT count);
    // Answers the number of bytes read, 0 at the end or on failure.
    UINT Read(void* buffer, UINT count);
    std::uint64_t GetLength() const { return file_ ? file_->Length() : 0; }
    void Close() { file_.reset(); }
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::unique_ptr<OpenedFile> file_;
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
