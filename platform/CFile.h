// A binary file, as MFC's CFile: no newline translation, one system write per Write call.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

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
