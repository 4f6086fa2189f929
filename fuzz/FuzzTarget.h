// What the fuzz targets share: the libFuzzer entry point, a host world on a temporary folder,
// and the stop that a broken invariant makes (a crash, which the fuzzer and the replay report).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace Fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The text before the first LF (the whole text when there is none) and what follows it.
std::pair<std::string_view, std::string_view> SplitFirstLine(std::string_view text);

// Starts, once per process, a host world whose drives C: and Z: are folders of a temporary
// folder (removed at exit); answers the host folder of C: (without a final slash).
const std::string& HostDriveC();

// Replaces the host file at hostPath with content.
void WriteHostFile(const std::string& hostPath, std::string_view content);
std::string ReadHostFile(const std::string& hostPath);

// A broken invariant: names it on stderr and aborts, so the input is kept as a finding.
[[noreturn]] void Broken(const char* invariant);
inline void Require(bool holds, const char* invariant) {
    if (!holds) Broken(invariant);
}

}  // namespace Fuzz
