// Books that cannot serve a run end it before any window with status 3 and one `txlink:` line
// on stderr that says why, instead of a refusal the user cannot make sense of.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

namespace {

// The lines of stderr that are not the transcript's echo (a Windows program ends them in CR LF).
std::vector<std::string> MessageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        std::string line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.pop_back();
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
        // The books file as the program names it: the host path, or its Windows form under Wine.
        const std::vector<std::string> lines = MessageLines(run.stderrText);
        ASSERT_EQ(lines.size(), 1u) << run.stderrText;
        EXPECT_TRUE(lines[0].starts_with("txlink: ")) << lines[0];
        EXPECT_TRUE(lines[0].ends_with(std::string("books.json: ") + c.says)) << lines[0];
        EXPECT_TRUE(run.Events("msgbox").empty());
        EXPECT_TRUE(run.Events("dialog").empty());
    }
}
