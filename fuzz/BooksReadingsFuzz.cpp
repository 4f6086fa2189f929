// The loader's fast paths against the plain reading: any text gives the same books with every
// journal reader, or is refused by all of them with the same error.
#include "core_api/standin/BooksComparison.h"
#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/BooksReference.h"
#include "fuzz/FuzzTarget.h"

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

namespace {

// Books that repeat a key within one object mean nothing certain: the readings may keep either
// value. Such input is passed over.
struct RepeatedKeys : nlohmann::json_sax<nlohmann::json> {
    std::vector<std::set<std::string>> objects;
    bool repeated = false;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return objects.emplace_back(), true; }
    bool key(string_t& key) override {
        repeated = repeated || !objects.back().insert(key).second;
        return !repeated;
    }
    bool end_object() override { return objects.pop_back(), true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
};

bool RepeatsAKey(std::string_view text) {
    RepeatedKeys sax;
    nlohmann::json::sax_parse(text, &sax);
    return sax.repeated;
}

// Small chunks, so that the fuzzer meets chunk boundaries.
constexpr std::size_t kLinesPerChunk = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = Fuzz::Bytes(data, size);
    if (RepeatsAKey(text)) return 0;
    const StandIn::BooksReading plain = StandIn::ReadingOf([&] { return StandIn::ReadBooksReference(text, "fuzz books"); });
    for (auto journals : {StandIn::JournalReading::Build, StandIn::JournalReading::Scan}) {
        const StandIn::BooksReading fast = StandIn::ReadingOf(
            [&] { return StandIn::ReadBooksText(text, "fuzz books", {kLinesPerChunk, journals}); });
        Fuzz::Require(StandIn::Disagreement(fast, plain).empty(), "the fast and the plain reading of books agree");
    }
    return 0;
}
