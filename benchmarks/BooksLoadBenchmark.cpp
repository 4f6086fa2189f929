// The books load beside its raw limits on the same file: one fread of the whole file, and
// simdjson's On-Demand walk of every value of it. Prints the best of several runs of each
// and the ratios. Usage: books_load_benchmark BOOKS.json [RUNS]
#include "core_api/standin/StandIn.h"

#include <simdjson.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace {

double Now() {
    std::timespec t{};
    std::timespec_get(&t, TIME_UTC);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double Best(int runs, const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        run();
        best = std::min(best, Now() - start);
    }
    return best;
}

// One fread into a buffer that is not filled first, as the loader's own reads are not.
std::size_t ReadWhole(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) std::exit(2);
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    const std::unique_ptr<char[]> bytes(new char[static_cast<std::size_t>(size) + simdjson::SIMDJSON_PADDING]);
    if (std::fread(bytes.get(), 1, static_cast<std::size_t>(size), file) != static_cast<std::size_t>(size)) std::exit(2);
    std::fclose(file);
    return static_cast<std::size_t>(size);
}

// Visits every value, reading every number and string, as a loader must.
std::size_t Walk(simdjson::ondemand::value value) {
    switch (value.type().value()) {
    case simdjson::ondemand::json_type::object: {
        std::size_t n = 0;
        for (auto field : value.get_object()) n += 1 + Walk(field.value());
        return n;
    }
    case simdjson::ondemand::json_type::array: {
        std::size_t n = 0;
        for (auto element : value.get_array()) n += Walk(element.value());
        return n;
    }
    case simdjson::ondemand::json_type::number: return value.get_number().error() == simdjson::SUCCESS ? 1 : 0;
    case simdjson::ondemand::json_type::string: return value.get_string().value().size() > 0 ? 1 : 0;
    default: return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: books_load_benchmark BOOKS.json [RUNS]\n");
        return 2;
    }
    const char* path = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::size_t values = 0;
    const double fread = Best(runs, [&] { ReadWhole(path); });
    const double walk = Best(runs, [&] {
        simdjson::padded_string text = simdjson::padded_string::load(path).value();
        simdjson::ondemand::parser parser;
        simdjson::ondemand::document document = parser.iterate(text).value();
        values = Walk(document.get_value().value());
    });
    const double load = Best(runs, [&] {
        StandIn::LoadBooksFile(path);
        StandIn::Reset();
    });
    std::printf("%s: %zu values, best of %d runs\n", path, values, runs);
    std::printf("  fread of the file       %7.3f s\n", fread);
    std::printf("  simdjson walk (+ read)  %7.3f s\n", walk);
    std::printf("  books load              %7.3f s\n", load);
    std::printf("  load / walk %.2f, load / fread %.2f\n", load / walk, load / fread);
    return 0;
}
