// In-process tests of code that shows windows or calls the core: a fresh host world with
// drive C: on a temporary folder, and books served by the core stand-in.
#pragma once

#include "platform/host/HostSession.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

class HostFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the host world with this UI script (UTF-8); config fields left empty get drive
    // C: on the test's folder.
    void StartHost(const std::string& script = "", HostConfig config = {});
    void LoadBooks(const nlohmann::json& books);
    // Stops the host world and answers its transcript events of this kind.
    std::vector<nlohmann::json> Events(const std::string& event);

    std::string folder_;  // host folder; drive C: is folder_ + "/c"
};
