// Helpers of the platform tests: UTF-8 expectations, scratch folders, sessions, transcripts.
// The same tests run over the host's simulated windows and, in the win32 build, over the real
// ones (platform_tests_win32.exe under Wine).
#pragma once

#ifdef _WIN32
#include "platform/WinTypes.h"
#include "platform/win32/Win32TestSession.h"
#else
#include "platform/host/HostSession.h"
#endif

#include <nlohmann/json.hpp>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

// Narrow literals are CP932 here; UTF-8 expectations come from u8 literals.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A fresh folder for one test, removed afterwards. Host() is its path for the test's own file
// calls; Path() is the Windows path the code under test takes: on the host, C: is mapped to the
// folder (Drives() for the session); on Windows it is the folder in the temporary folder.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        path_ = TemporaryFolder() / ("txlink-platform-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Host(const std::string& relative = "") const {
        return relative.empty() ? path_.string() : (path_ / relative).string();
    }
    std::string Path(const std::string& relative = "") const {
#ifdef _WIN32
        std::string path = path_.string() + "\\" + relative;
#else
        std::string path = "C:\\" + relative;
#endif
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
#ifdef _WIN32
    std::string Drives() const { return ""; }
#else
    std::string Drives() const { return "C:=" + Host(); }
#endif

private:
    // Windows' own answer: the 32-bit runtime's temp_directory_path fails under Wine.
    static std::filesystem::path TemporaryFolder() {
#ifdef _WIN32
        char folder[MAX_PATH + 1] = {};
        const DWORD length = ::GetTempPathA(sizeof folder, folder);
        if (length == 0 || length > MAX_PATH) throw std::runtime_error("GetTempPathA failed");
        return std::filesystem::path(std::string(folder, length));
#else
        return std::filesystem::temp_directory_path();
#endif
    }

    std::filesystem::path path_;
};

// Starts a session with the script and drives, ends it with the test. The real windows have
// the drives Windows has: the drive table is the host's alone.
class Session {
public:
#ifdef _WIN32
    explicit Session(const std::string& script, const std::string& = "", const std::string& faults = "") {
        Win32TestSession::Start(script, faults);
    }
    ~Session() { Win32TestSession::Stop(); }
#else
    explicit Session(const std::string& script, const std::string& drives = "", const std::string& faults = "") {
        HostConfig config;
        config.script = script;
        config.drives = drives;
        config.faults = faults;
        config.currentDirectory = "Z:\\";
        HostSession::Start(config);
    }
    ~Session() { HostSession::Stop(); }
#endif
};

inline const std::vector<std::string>& TranscriptLines() {
#ifdef _WIN32
    return Win32TestSession::TranscriptLines();
#else
    return HostSession::TranscriptLines();
#endif
}

inline std::uint64_t SessionBytesWritten() {
#ifdef _WIN32
    return Win32TestSession::BytesWritten();
#else
    return HostSession::BytesWritten();
#endif
}

inline std::vector<nlohmann::json> Events() {
    std::vector<nlohmann::json> events;
    for (const std::string& line : TranscriptLines()) events.push_back(nlohmann::json::parse(line));
    return events;
}

// The events of one kind, in order.
inline std::vector<nlohmann::json> Events(const std::string& kind) {
    std::vector<nlohmann::json> events;
    for (const nlohmann::json& event : Events()) {
        if (event["event"] == kind) events.push_back(event);
    }
    return events;
}
