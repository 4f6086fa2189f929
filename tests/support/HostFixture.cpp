#include "tests/support/HostFixture.h"

#include "core_api/standin/StandIn.h"
#include "tests/support/ProgramRunner.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

void HostFixture::SetUp() {
    folder_ = MakeTemporaryFolder("test");
    fs::create_directories(folder_ + "/c");
    StandIn::Reset();
}

void HostFixture::TearDown() {
    HostSession::Stop();
    StandIn::Reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void HostFixture::StartHost(const std::string& script, HostConfig config) {
    config.script = script;
    if (!config.drives) config.drives = "C:=" + folder_ + "/c";
    HostSession::Start(config);
}

void HostFixture::LoadBooks(const nlohmann::json& books) { StandIn::LoadBooksText(books.dump()); }

std::vector<nlohmann::json> HostFixture::Events(const std::string& event) {
    HostSession::Stop();
    std::vector<nlohmann::json> found;
    for (const std::string& line : HostSession::TranscriptLines()) {
        auto parsed = nlohmann::json::parse(line);
        if (parsed.value("event", "") == event) found.push_back(parsed);
    }
    return found;
}
