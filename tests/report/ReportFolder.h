// A fresh host folder for one test's report files, mapped as drive R: of a host session (with
// the test's faults), so the program reaches it by Windows paths; read back byte for byte.
#pragma once

#include "platform/host/HostSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

class ReportFolder {
public:
    ReportFolder() = default;
    ReportFolder(const ReportFolder&) = delete;
    ReportFolder& operator=(const ReportFolder&) = delete;
    ~ReportFolder() {
        if (host_.empty()) return;
        HostSession::Stop();
        std::error_code ignored;
        std::filesystem::remove_all(host_, ignored);
    }

    // faults as the host world takes them, e.g. "write-fail-after=10".
    void Start(const std::string& faults = {}) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        host_ = std::filesystem::temp_directory_path() /
                ("txlink-report-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(host_);
        std::filesystem::create_directories(host_);
        HostConfig config;
        config.drives = "R:=" + host_.string();
        config.faults = faults;
        HostSession::Start(config);
    }

    std::string WindowsPath(const std::string& name) const { return "R:\\" + name; }

    std::string Read(const std::string& name) const {
        std::ifstream in(host_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(host_ / name, std::ios::binary) << bytes;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(host_ / name); }

private:
    std::filesystem::path host_;
};
