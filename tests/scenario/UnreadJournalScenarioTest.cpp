// Books whose journal does not fit the format: a run that never needs the journal (the
// saved-return method, a cancelled dialog) never reads it and ends as it would on sound books;
// the journal method stops with the journal's problem before it writes anything.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kAmountProblem =
    "dataSets[1].journal[0].debit.amount: not an amount of yen with at most four fraction digits: \"1.23456\"";

nlohmann::json BooksWithBrokenJournal() {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["journal"][0]["debit"]["amount"] = "1.23456";
    SelectedDataSet(books)["savedReturn"] = {
        {"period", {20240401, 20250331}}, {"range", {20240401, 20250331}}, {"kind", 1}, {"credit", 1},
        {"interim", 1}, {"transitional", 1}, {"salesCalc", 1}, {"purchaseCalc", 0}};
    return books;
}

std::string ReportOf(const ProgramRun& run) {
    std::ifstream in(run.folder + "/c/report.xml", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(UnreadJournalScenario, OnlyARunThatNeedsTheJournalMeetsItsProblem) {
    const struct {
        const char* name;
        std::string script;
        int exitStatus;
        bool report;
        bool journalProblem;
    } cases[] = {
        {"saved return", "text 1008 C:\\report.xml\nclick 1031\nclick 1005\n", 0, true, false},
        {"cancelled dialog", "click 1006\n", 1, false, false},
        {"journal method", "text 1008 C:\\report.xml\nclick 1005\n", 3, false, true},
    };
    for (const auto& c : cases) {
        ProgramSetup setup;
        setup.books = BooksWithBrokenJournal().dump();
        setup.script = c.script;
        const ProgramRun run = RunProgram(setup);
        EXPECT_EQ(run.exitStatus, c.exitStatus) << c.name << "\n" << run.stderrText;
        const std::string report = ReportOf(run);
        EXPECT_EQ(report.starts_with("<?xml"), c.report) << c.name;
        if (c.report) {
            EXPECT_TRUE(report.ends_with("</REPORT>\r\n")) << c.name;
        }
        // The books file named as the program sees it: the host path, or its Windows form under Wine.
        const std::string problem = std::string("books.json: ") + kAmountProblem;
        EXPECT_EQ(run.stderrText.find(problem) != std::string::npos, c.journalProblem)
            << c.name << "\n" << run.stderrText;
    }
}

}  // namespace
