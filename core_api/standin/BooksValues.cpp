#include "core_api/standin/BooksValues.h"

#include "core_api/standin/Cp932.h"
#include "core_api/standin/CalendarDate.h"

#include <charconv>
#include <limits>

namespace StandIn {

namespace {

constexpr std::int64_t kUnitsPerYen = 10000;

std::string Shortened(std::string text) { return text.size() > 40 ? text.substr(0, 37) + "..." : text; }

constexpr std::uint64_t kNumberLiteralSubtype = 1;

bool IsNumberLiteral(const Json& value) {
    return value.is_binary() && value.get_binary().has_subtype() && value.get_binary().subtype() == kNumberLiteralSubtype;
}

std::string_view LiteralText(const Json& value) {
    const auto& bytes = value.get_binary();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string Describe(const Json& value) {
    return Shortened(IsNumberLiteral(value) ? std::string(LiteralText(value)) : value.dump());
}

std::string Describe(const Scalar& value) {
    switch (value.kind) {
    case Scalar::Kind::Null: return "null";
    case Scalar::Kind::Boolean: return value.boolean ? "true" : "false";
    case Scalar::Kind::Integer: return std::to_string(value.integer);
    case Scalar::Kind::Unsigned: return std::to_string(value.unsignedInteger);
    case Scalar::Kind::Text: return Describe(Json(std::string(value.text)));
    case Scalar::Kind::Number: return Shortened(std::string(value.text));
    case Scalar::Kind::Other: return Describe(*value.other);
    }
    return "?";
}

}  // namespace

Json NumberLiteral(const std::string& text) {
    return Json::binary(Json::binary_t::container_type(text.begin(), text.end()), kNumberLiteralSubtype);
}

Scalar ScalarOf(const Json& value) {
    Scalar s;
    if (value.is_null()) return s;
    if (IsNumberLiteral(value)) {
        s.kind = Scalar::Kind::Number;
        s.text = LiteralText(value);
        return s;
    }
    if (value.is_boolean()) s.kind = Scalar::Kind::Boolean, s.boolean = value.get<bool>();
    else if (value.is_number_unsigned()) s.kind = Scalar::Kind::Unsigned, s.unsignedInteger = value.get<std::uint64_t>();
    else if (value.is_number_integer()) s.kind = Scalar::Kind::Integer, s.integer = value.get<std::int64_t>();
    else if (value.is_string()) s.kind = Scalar::Kind::Text, s.text = value.get_ref<const std::string&>();
    else s.kind = Scalar::Kind::Other, s.other = &value;
    return s;
}

std::int64_t ReadInteger(const Json& value, const KeyPath& path, std::int64_t min, std::int64_t max) {
    return ReadInteger(ScalarOf(value), path, min, max);
}
bool ReadFlag(const Json& value, const KeyPath& path) { return ReadFlag(ScalarOf(value), path); }
std::int64_t ReadAmount(const Json& value, const KeyPath& path) { return ReadAmount(ScalarOf(value), path); }
std::int32_t ReadDate(const Json& value, const KeyPath& path) { return ReadDate(ScalarOf(value), path); }

std::int32_t ReadStoredDate(const Json& value, const KeyPath& path) {
    return static_cast<std::int32_t>(ReadInteger(value, path, 0, 99991231));
}

std::int64_t ReadInteger(const Scalar& value, const KeyPath& path, std::int64_t min, std::int64_t max) {
    std::int64_t n = 0;
    if (value.kind == Scalar::Kind::Unsigned) {
        std::uint64_t u = value.unsignedInteger;
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            path.Fail("integer out of range: " + Describe(value));
        n = static_cast<std::int64_t>(u);
    } else if (value.kind == Scalar::Kind::Integer) {
        n = value.integer;
    } else {
        path.Fail("expected an integer, found " + Describe(value));
    }
    if (n < min || n > max)
        path.Fail("integer out of range " + std::to_string(min) + ".." + std::to_string(max) + ": " +
                  std::to_string(n));
    return n;
}

bool ReadFlag(const Scalar& value, const KeyPath& path) {
    if (value.kind == Scalar::Kind::Boolean) return value.boolean;
    return ReadInteger(value, path, 0, 1) == 1;
}

bool ParseAmountText(std::string_view text, std::int64_t& amount) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || fraction.size() > 4 || (point != std::string_view::npos && fraction.empty()))
        return false;
    for (char c : whole)
        if (c < '0' || c > '9') return false;
    std::int64_t units = 0;
    for (char c : whole) {
        if (__builtin_mul_overflow(units, 10, &units) || __builtin_add_overflow(units, c - '0', &units))
            return false;
    }
    if (__builtin_mul_overflow(units, kUnitsPerYen, &units)) return false;
    std::int64_t scale = kUnitsPerYen / 10;
    for (char c : fraction) {
        if (c < '0' || c > '9') return false;
        if (__builtin_add_overflow(units, (c - '0') * scale, &units)) return false;
        scale /= 10;
    }
    if (units < 0) return false;
    amount = negative ? -units : units;
    return true;
}

std::int64_t ReadAmount(const Scalar& value, const KeyPath& path) {
    if (value.kind == Scalar::Kind::Text || value.kind == Scalar::Kind::Number) {
        std::int64_t amount = 0;
        if (!ParseAmountText(value.text, amount))
            path.Fail("not an amount of yen with at most four fraction digits: " + Describe(value));
        return amount;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / kUnitsPerYen;
    return ReadInteger(value, path, -limit, limit) * kUnitsPerYen;
}

std::int32_t ReadDate(const Scalar& value, const KeyPath& path) {
    auto date = static_cast<std::int32_t>(ReadInteger(value, path, 0, 99991231));
    if (!CalendarDate::IsValid(date)) path.Fail("not a calendar date yyyymmdd: " + std::to_string(date));
    return date;
}

std::uint32_t ReadAccountClass(const Json& value, const KeyPath& path) {
    if (!value.is_string()) return static_cast<std::uint32_t>(ReadInteger(value, path, 0, 0xFFFFFFFFll));
    const std::string& text = value.get_ref<const std::string&>();
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint32_t code = 0;
    auto [end, ec] = std::from_chars(first, last, code, hex ? 16 : 10);
    if (ec != std::errc() || end != last || first == last) path.Fail("not an account class: " + Describe(value));
    return code;
}

std::string ReadText(const Json& value, const KeyPath& path, std::size_t maxBytes) {
    if (!value.is_string()) path.Fail("expected a text, found " + Describe(value));
    auto text = Utf8ToCp932(value.get_ref<const std::string&>());
    if (!text) path.Fail("text cannot be written in CP932: " + Describe(value));
    if (text->size() > maxBytes)
        path.Fail("text longer than " + std::to_string(maxBytes) + " bytes in CP932: " + Describe(value));
    return *text;
}

const Json& RequireObject(const Json& value, const KeyPath& path, std::initializer_list<const char*> known) {
    if (!value.is_object()) path.Fail("expected an object, found " + Describe(value));
    for (const auto& [key, member] : value.items()) {
        (void)member;
        if (!key.empty() && key[0] == '_') continue;
        bool found = false;
        for (const char* k : known) found = found || key == k;
        if (!found) path.Fail("unknown key \"" + key + "\"");
    }
    return value;
}

const Json& RequireArray(const Json& value, const KeyPath& path) {
    if (!value.is_array()) path.Fail("expected a list, found " + Describe(value));
    return value;
}

const Json* Member(const Json& object, const char* key) {
    auto it = object.find(key);
    if (it == object.end() || it->is_null()) return nullptr;
    return &*it;
}

}  // namespace StandIn
