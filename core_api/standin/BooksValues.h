// Reading the scalar values of the books: integers, flags, exact amounts, dates, CP932 texts.
// Every reader names the key path and the problem when the value does not fit.
#pragma once

#include "core_api/standin/BooksFormatError.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace StandIn {

// Objects keep their keys in the order of the text, so that the first problem of an object is
// the first one written.
using Json = nlohmann::ordered_json;

// One scalar value as the parser delivers it, without a document tree (the journal lines are
// read from these directly).
struct Scalar {
    enum class Kind { Null, Boolean, Integer, Unsigned, Text, Number, Other };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t integer = 0;
    std::uint64_t unsignedInteger = 0;
    std::string_view text;        // Text, or the literal of a Number with a fraction or exponent
    const Json* other = nullptr;  // Other: an object or list of a tree
};
Scalar ScalarOf(const Json& value);

// A number with a fraction or an exponent as a tree holds it: its literal, so that an amount
// stays exact and a message quotes it as written.
Json NumberLiteral(const std::string& text);

std::int64_t ReadInteger(const Scalar& value, const KeyPath& path, std::int64_t min, std::int64_t max);
bool ReadFlag(const Scalar& value, const KeyPath& path);
// Whole yen as an integer, or decimal yen with at most four fraction digits as text.
std::int64_t ReadAmount(const Scalar& value, const KeyPath& path);
std::int32_t ReadDate(const Scalar& value, const KeyPath& path);

std::int64_t ReadInteger(const Json& value, const KeyPath& path, std::int64_t min, std::int64_t max);
bool ReadFlag(const Json& value, const KeyPath& path);
std::int64_t ReadAmount(const Json& value, const KeyPath& path);
// A decimal text of yen with at most four fraction digits, exactly in ten-thousandths.
bool ParseAmountText(std::string_view text, std::int64_t& amount);
// yyyymmdd of a real calendar day.
std::int32_t ReadDate(const Json& value, const KeyPath& path);
// yyyymmdd as stored data holds it: any number of that form, a day or month of 0 included.
std::int32_t ReadStoredDate(const Json& value, const KeyPath& path);
// An account class: a number or a text "0x20804000".
std::uint32_t ReadAccountClass(const Json& value, const KeyPath& path);
// A UTF-8 text converted to CP932, at most maxBytes bytes after conversion.
std::string ReadText(const Json& value, const KeyPath& path, std::size_t maxBytes);

// The object at path, whose keys must all be among known (keys starting with "_" are notes).
const Json& RequireObject(const Json& value, const KeyPath& path, std::initializer_list<const char*> known);
const Json& RequireArray(const Json& value, const KeyPath& path);
// The member or nullptr when absent or null.
const Json* Member(const Json& object, const char* key);

// Copies text into a NUL-terminated record field.
template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(field, n);
    field[n] = '\0';
}

}  // namespace StandIn
