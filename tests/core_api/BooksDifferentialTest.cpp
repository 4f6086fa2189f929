// The loader's fast paths held to the plain reading of the same books: seeded generated books
// read both ways must give the same books, or the same error. TXLINK_BOOKS_SEED=N repeats a
// run from seed N.
#include "core_api/standin/BooksComparison.h"
#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/BooksReference.h"
#include "tests/support/GeneratedBooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

std::uint64_t BaseSeed() {
    if (const char* seed = std::getenv("TXLINK_BOOKS_SEED")) return std::strtoull(seed, nullptr, 10);
    return std::random_device{}();
}

constexpr int kBooksPerRun = 600;
// Small chunks put chunk boundaries everywhere in the generated journals.
constexpr std::size_t kChunkSizes[] = {1, 2, 3, 7, StandIn::kLinesPerChunk};

// Every generated book read with the journal reader given and with the plain reading.
void ExpectTheSameReading(StandIn::JournalReading journals) {
    const std::uint64_t base = BaseSeed();
    int loaded = 0, refused = 0;
    for (int i = 0; i < kBooksPerRun; ++i) {
        const std::uint64_t seed = base + static_cast<std::uint64_t>(i);
        const GeneratedBooks generated = GenerateBooks(seed);
        const StandIn::BooksReadOptions options{kChunkSizes[i % std::size(kChunkSizes)], journals};
        const StandIn::BooksReading fast = StandIn::ReadingOf([&] { return StandIn::ReadBooksText(generated.text, "books text", options); });
        const StandIn::BooksReading plain = StandIn::ReadingOf([&] { return StandIn::ReadBooksReference(generated.text, "books text"); });
        const std::string disagreement = StandIn::Disagreement(fast, plain);
        ASSERT_EQ(disagreement, "") << "seed " << seed << " (TXLINK_BOOKS_SEED=" << seed << "), "
                                    << options.linesPerChunk << " lines a chunk:\n" << generated.text;
        (plain.loaded ? loaded : refused) += 1;
    }
    // The generator must keep exercising both kinds of books.
    EXPECT_GT(loaded, kBooksPerRun / 2);
    EXPECT_GT(refused, kBooksPerRun / 20);
}

TEST(BooksDifferentialTest, TheFastLoaderReadsGeneratedBooksAsThePlainReading) {
    ExpectTheSameReading(StandIn::JournalReading::Build);
}

// The Windows build's journal reader, compiled here as well.
TEST(BooksDifferentialTest, TheScanReaderReadsGeneratedBooksAsThePlainReading) {
    ExpectTheSameReading(StandIn::JournalReading::Scan);
}

}  // namespace
