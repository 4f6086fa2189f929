// The keys of a journal line and of its sides, and how a side's value is stored: one table for
// every journal reader.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksValues.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace StandIn {

enum class LineKey { Date, Closing, Debit, Credit, Note, Unknown };
enum class SideKey { Amount, Account, Tax, Category, Rate, Department, Reduced, Business, Note, Unknown };

LineKey LineKeyOf(std::string_view key);
SideKey SideKeyOf(std::string_view key);

// Stores a side's value, neither null nor a list or an object; BooksFormatError naming path
// when it does not fit or the key is unknown.
void StoreSideValue(SideKey key, const Scalar& value, const KeyPath& path, BookSide& side);
// The closing a line's "closing" value names.
Closing ClosingOf(const Scalar& value, const KeyPath& path);

// The problem "dataSets[D].journal[L].key.sideKey: problem" of a line of a journal; key and
// sideKey nullptr when the problem is the line's (or the side's) own.
[[noreturn]] void FailAtLine(std::size_t dataSet, std::size_t line, const std::string& problem,
                             const std::string_view* key, const std::string_view* sideKey);
// The problem of text that is not JSON: the byte of the file where reading stopped, the few
// bytes from there (rest), and why.
std::string NotJsonProblem(std::uint64_t fileOffset, std::string_view rest, std::string_view reason);

// A number literal that the JSON grammar allows: an optional minus, digits without a leading
// zero, an optional fraction and exponent.
bool IsJsonNumber(std::string_view text);

}  // namespace StandIn
