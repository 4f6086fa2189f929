// The refund statement through whole programs: a corporation's KANPUH and an individual's
// KANPUK with departments of every class, worked out by hand from the journal, and a failure
// in the middle of the journal pass that still writes the figures gathered before it.
#include "tests/aggregate/RefundBooks.h"
#include "tests/report/WrittenData.h"
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using nlohmann::json;
using namespace RefundBooks;

namespace {

const std::string kJournalRun = "text 1008 C:\\Out\\report.xml\nclick 1005\n";

// The values of one DATA group as written, joined with "|".
std::string RefundGroup(const json& books, const std::string& group) {
    const fs::path root = MakeTemporaryFolder("refund");
    fs::create_directories(root / "c/Out");
    ProgramSetup setup;
    setup.books = books.dump();
    setup.script = kJournalRun;
    setup.drives = "C:=" + (root / "c").string();
    const ProgramRun run = RunProgram(setup);
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    std::ifstream in(root / "c/Out/report.xml", std::ios::binary);
    const std::string report{std::istreambuf_iterator<char>(in), {}};
    std::error_code ignored;
    fs::remove_all(root, ignored);
    fs::remove_all(run.folder, ignored);
    return WrittenData(report).Group(group);
}

std::string Joined(std::initializer_list<const char*> values) {
    std::string joined;
    bool first = true;
    for (const char* value : values) {
        joined += (first ? "" : "|") + std::string(value);
        first = false;
    }
    return joined;
}

// Goods purchases, SG&A, non-operating and other profit and loss, each with its total line.
json CorporateBooks() {
    json books = ScenarioBooks();
    json& dataSet = SelectedDataSet(books);
    dataSet["accounts"] = {
        Account(kCash, 0x10000000),
        Account(600, 0x20804000),
        Account(700, 0x40882004),
        Account(701, 0x40882000, {{"total", 1}, {"members", {700}}}),
        Account(800, 0x40844000),
        Account(801, 0x40844000, {{"total", 1}, {"members", {800}}}),
        Account(900, 0x40440040),
        Account(901, 0x40440000, {{"total", 1}, {"members", {900}}}),
    };
    json yearEnd = Line(20250331, Side(900, 5000, 24));
    yearEnd["closing"] = "yearEnd";
    dataSet["journal"] = {
        Line(20240410, Side(600, 50000, 21, 0, 5000)),  // a taxable purchase: book total only
        Line(20240420, Side(600, 3000, 24)),
        Line(20240510, Side(700, 12000, 24)),
        Line(20240610, Side(kCash, 2000), Side(700, 2000, 24)),
        Line(20240710, Side(800, 700, 0)),
        Line(20240810, Side(900, 40000, 23)),
        yearEnd,
    };
    dataSet["assets"] = {Asset(20240501, 1, 300000), Asset(20240601, 9, 12000), Asset(20230101, 1, 999)};
    return books;
}

TEST(RefundScenario, CorporationStatement) {
    EXPECT_EQ(RefundGroup(CorporateBooks(), "KANPUH"),
              Joined({"2", "53000", "3000", "10000", "10000", "700", "700", "45000", "5000",  // the four lines
                      "2", "300000", "", "12000", "", "", ""}));                            // the assets
}

TEST(RefundScenario, FailedJournalFetchWritesTheFiguresGatheredBeforeIt) {
    json books = CorporateBooks();
    books["faults"] = {{"ClRuleShiwake::MoveNext", {{"status", 9}, {"after", 2}}}};
    EXPECT_EQ(RefundGroup(books, "KANPUH"),
              Joined({"2", "53000", "3000", "10000", "", "700", "", "45000", "",  // two lines read
                      "", "", "", "", "", "", ""}));                            // no asset pass
}

// Departments of every class: real estate (the company's totals), class 2 (other), class 1
// without a link (business), class 1 with a link (business and other); sides without a
// known department route as other income.
TEST(RefundScenario, IndividualStatementByDepartment) {
    json books = ScenarioBooks();
    json& dataSet = SelectedDataSet(books);
    dataSet["entity"] = 3;
    dataSet["incomeKind"] = 4;
    dataSet["accounts"] = {Account(kCash, 0x10000000), Account(200, 0x20804000), Account(300, 0x40882004)};
    dataSet["departments"] = {Department(10, 0, 0, 3), Department(20, 2, 0, 1), Department(30, 1, 0, 5),
                              Department(40, 1, 7, 1)};
    dataSet["journal"] = {
        Line(20240510, Side(300, 1000, 24, 10)),   Line(20240510, Side(300, 200, 24, 20)),
        Line(20240510, Side(300, 30, 24, 30)),     Line(20240510, Side(300, 4, 24, 40)),
        Line(20240510, Side(300, 50000, 24, 0)),   Line(20240510, Side(300, 600000, 24, 99)),
        Line(20240510, Side(200, 7000000, 24, 10)), Line(20240510, Side(200, 80000000, 24, 40)),
    };
    dataSet["assets"] = {Asset(20240601, 1, 300, 1), Asset(20240601, 1, 20, 2), Asset(20240601, 9, 1, 3)};
    EXPECT_EQ(RefundGroup(books, "KANPUK"),
              Joined({"2", "80000000", "80000000", "34", "34", "301", "",  // business income
                      "651234", "1000", "20", "",                          // real-estate income
                      "80000000", "80000000", "204", "650204", "", ""}));  // other income
}

}  // namespace
