// Replays saved inputs through a fuzz target without the fuzzer: every file named, and every
// file inside every folder named (in name order), once. A missing folder holds nothing.
#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputsOf(const fs::path& named) {
    std::vector<fs::path> inputs;
    std::error_code error;
    if (fs::is_regular_file(named, error)) inputs.push_back(named);
    if (fs::is_directory(named, error)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(named)) {
            if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".")) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : InputsOf(argv[i])) {
            std::fprintf(stderr, "replaying %s\n", input.c_str());
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
