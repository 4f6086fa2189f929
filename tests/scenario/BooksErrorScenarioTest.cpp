// Books that cannot serve a run end it before any window with status 3 and one `txlink:` line
// on stderr that says why, instead of a refusal the user cannot make sense of.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

namespace {

// The lines of stderr that are not the transcript's echo.
std::vector<std::string> MessageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        std::string line = text.substr(start, end - start);
        if (!line.starts_with("| ")) lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

TEST(BooksErrorScenario, SelectionWithoutItsDataSetIsABooksError) {
    const struct {
        nlohmann::json selection;
        const char* says;
    } cases[] = {
        {{1, 9}, "selection: no data set has the selected number 9 (selection [1, 9])"},
        {{0, 0}, "selection: no data set has the selected number 0 (selection [0, 0])"},
    };
    for (const auto& c : cases) {
        auto books = ScenarioBooks();
        books["selection"] = c.selection;
        ProgramSetup setup;
        setup.books = books.dump();
        setup.script = "click 1006\n";
        setup.args = {"123,32769,5,"};
        const ProgramRun run = RunProgram(setup);
        EXPECT_EQ(run.exitStatus, 3) << run.stderrText;
        EXPECT_EQ(MessageLines(run.stderrText),
                  std::vector<std::string>{"txlink: " + run.folder + "/books.json: " + c.says})
            << run.stderrText;
        EXPECT_TRUE(run.Events("msgbox").empty());
        EXPECT_TRUE(run.Events("dialog").empty());
    }
}
