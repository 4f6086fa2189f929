// Books made from a seed, varied as real books vary: one to five data sets in any order with
// the selected one anywhere, journals absent, empty, of one line or many, optional keys left
// out, keys in any order, notes, compact, indented or one-line layouts with LF or CR LF,
// strings with brackets, quotes, backslashes, escapes and multi-byte text. Some are broken on
// purpose: a value that does not fit, or text that is not JSON.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GeneratedBooks {
    std::string text;                 // UTF-8 JSON
    std::vector<std::int32_t> numbers;  // the data sets' numbers, in books order
    bool broken = false;              // a fault was put in on purpose
};

GeneratedBooks GenerateBooks(std::uint64_t seed);
