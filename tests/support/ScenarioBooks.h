// Small books for scenario tests: one corporation under general taxation, April to March,
// with a handful of journal lines. Tests change what they need before running a program.
#pragma once

#include <nlohmann/json.hpp>

nlohmann::json ScenarioBooks();
