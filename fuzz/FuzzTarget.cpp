#include "fuzz/FuzzTarget.h"

#include "platform/host/HostSession.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string& TemporaryFolder() {
    static std::string folder;
    return folder;
}

void RemoveTemporaryFolder() {
    std::error_code ignored;
    if (!TemporaryFolder().empty()) fs::remove_all(TemporaryFolder(), ignored);
}

}  // namespace

namespace Fuzz {

std::pair<std::string_view, std::string_view> SplitFirstLine(std::string_view text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return {text, {}};
    return {text.substr(0, end), text.substr(end + 1)};
}

const std::string& HostDriveC() {
    static const std::string driveC = [] {
        std::string pattern = (fs::temp_directory_path() / "txlink-fuzz.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) Broken("a temporary folder can be made");
        TemporaryFolder() = pattern;
        std::atexit(RemoveTemporaryFolder);
        fs::create_directories(pattern + "/c");
        fs::create_directories(pattern + "/z");
        HostConfig config;
        config.drives = "C:=" + pattern + "/c;Z:=" + pattern + "/z";
        config.currentDirectory = "C:\\";
        HostSession::Start(config);
        return pattern + "/c";
    }();
    return driveC;
}

void WriteHostFile(const std::string& hostPath, std::string_view content) {
    std::ofstream file(hostPath, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file) Broken("the fuzz input can be written to a host file");
}

std::string ReadHostFile(const std::string& hostPath) {
    std::ifstream file(hostPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Broken(const char* invariant) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", invariant);
    std::abort();
}

}  // namespace Fuzz
