// Helpers of the platform tests: UTF-8 expectations, scratch folders, sessions, transcripts.
#pragma once

#include "platform/host/HostSession.h"

#include <nlohmann/json.hpp>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Narrow literals are CP932 here; UTF-8 expectations come from u8 literals.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A fresh host folder for one test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("txlink-platform-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
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

private:
    std::filesystem::path path_;
};

// Starts a session with the script and drives, ends it with the test.
class Session {
public:
    explicit Session(const std::string& script, const std::string& drives = "", const std::string& faults = "") {
        HostConfig config;
        config.script = script;
        config.drives = drives;
        config.faults = faults;
        config.currentDirectory = "Z:\\";
        HostSession::Start(config);
    }
    ~Session() { HostSession::Stop(); }
};

inline std::vector<nlohmann::json> Events() {
    std::vector<nlohmann::json> events;
    for (const std::string& line : HostSession::TranscriptLines()) events.push_back(nlohmann::json::parse(line));
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
