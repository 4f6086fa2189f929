#include "tests/support/ScenarioBooks.h"

#include "tests/support/ProgramRunner.h"

#include <stdexcept>

namespace {

// Another company of the same books: figures that no report of the selected data set shows,
// a journal of its own, and no assets.
nlohmann::json Neighbour() {
    using nlohmann::json;
    return {
        {"number", 7},
        {"period", {20230101, 20231231}},
        {"journal",
         {{{"date", 20230510},
           {"debit", {{"account", 100}, {"amount", 7700000}}},
           {"credit", {{"account", 500}, {"amount", 7000000}, {"tax", 700000}, {"category", 11}, {"rate", 1000}}}}}},
        {"id", "DS0007"},
        {"company", Utf8(u8"隣の会社「表示しない」有限会社")},
        {"entity", 1},
        {"tax", {{"method", 2}, {"rounding", 0}, {"credit", 0}, {"mainBusiness", 0}, {"included", 0}}},
    };
}

}  // namespace

nlohmann::json ScenarioBooks() {
    using nlohmann::json;
    json dataSet = {
        {"id", "DS0002"},
        {"number", 2},
        {"company", Utf8(u8"株式会社表ソ申商事")},
        {"period", {20240401, 20250331}},
        {"entity", 1},
        {"tax", {{"method", 2}, {"rounding", 0}, {"credit", 0}, {"mainBusiness", 0}, {"included", 0}}},
        {"accounts",
         {{{"code", 100}, {"name", Utf8(u8"現金")}, {"class", "0x10000000"}},
          {{"code", 500}, {"name", Utf8(u8"売上高")}, {"class", "0x40000000"}, {"side", 2}}}},
        {"journal",
         {{{"date", 20240415},
           {"debit", {{"account", 100}, {"amount", 11000}}},
           {"credit", {{"account", 500}, {"amount", 10000}, {"tax", 1000}, {"category", 11}, {"rate", 1000}}}}}},
    };
    return {
        {"user", "yamada"},
        {"selection", {1, 2}},
        {"folders", {{"output", "C:\\TxLink\\Export\\"}, {"settings", "C:\\TxLink\\Settings\\"}}},
        {"connection", {{"initiate", 0}, {"link", 0}}},
        {"dataSets", {Neighbour(), dataSet}},
    };
}

nlohmann::json& SelectedDataSet(nlohmann::json& books) {
    for (nlohmann::json& dataSet : books["dataSets"])
        if (dataSet["number"] == books["selection"][1]) return dataSet;
    throw std::logic_error("the books hold no data set with the selected number");
}
