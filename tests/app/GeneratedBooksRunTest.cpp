// Whole runs in-process on generated books of several data sets: the books as the loader reads
// them and as the plain reading reads them give the same exit, report bytes and transcript, for
// a run of every data set. TXLINK_BOOKS_SEED=N repeats a run from seed N.
#include "app/LinkApp.h"
#include "core_api/standin/BooksComparison.h"
#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/BooksReference.h"
#include "core_api/standin/World.h"
#include "tests/support/GeneratedBooks.h"
#include "tests/support/HostFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exit = 0;
    std::string report;
    std::vector<std::string> transcript;
};

class GeneratedBooksRunTest : public HostFixture {
protected:
    RunResult Run(const StandIn::Books& books) {
        std::error_code ignored;
        fs::remove_all(folder_ + "/c", ignored);
        fs::create_directories(folder_ + "/c/prog");
        std::ofstream(folder_ + "/c/prog/ZeimonDef.ini") << "[TX31]\r\nProgramLevel=4\r\n";
        StandIn::World& world = StandIn::World::Instance();
        world.Clear();
        StandIn::Books copy = books;
        world.Install(std::move(copy));
        LinkApp app{ProgramIdentity{3, "帳簿星２１ Alto", "TxLinkAlto.env"}};
        HostConfig config;
        config.modulePath = folder_ + "/c/prog/TxLinkAlto";
        // The months the dialog offers (the whole period); the notices that the checks show take
        // no answer, and no generated books ask a question.
        config.script = "text 1008 C:\\report.xml\nkey F12\n";
        config.drives = "C:=" + folder_ + "/c";
        RunResult result;
        result.exit = HostSession::Run(config, "");
        std::ifstream in(folder_ + "/c/report.xml", std::ios::binary);
        result.report.assign(std::istreambuf_iterator<char>(in), {});
        result.transcript = HostSession::TranscriptLines();
        return result;
    }
};

std::uint64_t BaseSeed() {
    if (const char* seed = std::getenv("TXLINK_BOOKS_SEED")) return std::strtoull(seed, nullptr, 10);
    return std::random_device{}();
}

TEST_F(GeneratedBooksRunTest, EveryDataSetRunsAlikeOnTheFastAndThePlainReading) {
    constexpr int kBooks = 40;
    const std::uint64_t base = BaseSeed();
    int reports = 0;
    for (int i = 0; i < kBooks; ++i) {
        const std::uint64_t seed = base + static_cast<std::uint64_t>(i);
        const GeneratedBooks generated = GenerateBooks(seed);
        StandIn::BooksReading plain =
            StandIn::ReadingOf([&] { return StandIn::ReadBooksReference(generated.text, "books text"); });
        if (!plain.loaded) continue;
        StandIn::Books fast = StandIn::ReadBooksText(generated.text, "books text", {2, StandIn::JournalReading::Build});
        for (std::int32_t number : generated.numbers) {
            plain.books.selection[1] = fast.selection[1] = number;
            const RunResult a = Run(fast);
            const RunResult b = Run(plain.books);
            ASSERT_EQ(a.exit, b.exit) << "seed " << seed << ", data number " << number;
            ASSERT_EQ(a.report, b.report) << "seed " << seed << ", data number " << number;
            ASSERT_EQ(a.transcript, b.transcript) << "seed " << seed << ", data number " << number;
            reports += !a.report.empty();
        }
    }
    EXPECT_GT(reports, kBooks / 2) << "the generated books must give reports";
}

}  // namespace
