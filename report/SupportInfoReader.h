// Reads field values from "SUPPORT.INF" in the current directory (the program's folder): lines
// ending in CR LF, a field line being a marker "[=name=]" followed by its value. The file is
// read once, at the first lookup, into a fixed 30000-byte buffer; what lies beyond is not seen.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class SupportInfoReader {
public:
    static constexpr std::size_t kBufferSize = 30000;
    static constexpr std::size_t kMaxValueBytes = 255;

    // owner: of the message shown when the buffer cannot be had.
    explicit SupportInfoReader(HWND owner) : owner_(owner) {}
    virtual ~SupportInfoReader() = default;
    SupportInfoReader(const SupportInfoReader&) = delete;
    SupportInfoReader& operator=(const SupportInfoReader&) = delete;

    std::string ProductName();
    std::string ProductVersion();
    // The text after the first occurrence of marker up to the line's end (at most 255 bytes,
    // never half a character); empty when the file, the marker or the buffer is missing.
    std::string Lookup(std::string_view marker);

protected:
    // The read buffer; nullptr when memory is short.
    virtual std::unique_ptr<char[]> AllocateBuffer();

private:
    void Load();
    void ReadFile();
    void SplitLines();
    void RejoinField(std::string_view marker);
    std::string_view Loaded() const { return {buffer_.get(), loaded_}; }

    HWND owner_;
    std::unique_ptr<char[]> buffer_;
    std::size_t loaded_ = 0;
    bool attempted_ = false;
};
