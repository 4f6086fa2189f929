// Small books for scenario tests: one corporation under general taxation, April to March,
// with a handful of journal lines, selected as data number 2. In front of it the books hold a
// neighbour, as the accounting product's books hold several companies and years: another
// company with a journal of its own, which no run of the selected data set may read. Tests
// change what they need before running a program, through SelectedDataSet.
#pragma once

#include <nlohmann/json.hpp>

nlohmann::json ScenarioBooks();

// The data set whose number the books' selection names.
nlohmann::json& SelectedDataSet(nlohmann::json& books);
