#include "core_api/standin/JournalReader.h"

#include "core_api/standin/BooksValues.h"
#include "core_api/standin/JournalFields.h"
#include "core_api/standin/JournalLineTree.h"
#include "platform/MbcsText.h"

#include <simdjson.h>

#include <charconv>
#include <cstdint>
#include <sys/mman.h>
#include <cstring>
#include <string>
#include <string_view>

namespace StandIn {

namespace od = simdjson::ondemand;

namespace {

constexpr std::string_view kDateKey = "date";

// Where the parser stands in the text, or otherwise when it cannot tell.
template <typename Thing>
const char* Location(Thing& thing, const char* otherwise) {
    const char* at = nullptr;
    if (thing.current_location().get(at) != simdjson::SUCCESS) return otherwise;
    return at;
}

// Millions of lines fault in page by page; large pages save most of that work.
void AskForLargePages(std::vector<BookLine>& lines) {
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    auto first = reinterpret_cast<std::uintptr_t>(lines.data());
    std::uintptr_t last = first + lines.capacity() * sizeof(BookLine);
    first = (first + kLargePage - 1) & ~(kLargePage - 1);
    if (last > first + kLargePage) ::madvise(reinterpret_cast<void*>(first), (last - first) & ~(kLargePage - 1), MADV_HUGEPAGE);
}

}  // namespace

struct JournalReader::Parser {
    od::parser parser;
    std::string buffer;
    std::string keyScratch[2];  // decoded keys: the line's, the side's

    // Where the chunk being read sits in the file, for messages.
    const BooksInput* input = nullptr;
    std::uint64_t chunkBegin = 0;
    std::size_t dataSet = 0;
    std::size_t line = 0;
    std::size_t textEnd = 0;  // of the chunk's text in buffer

    std::uint64_t FileOffset(const char* at) const {
        std::size_t inBuffer = static_cast<std::size_t>(at - buffer.data());
        return chunkBegin + (inBuffer > 0 ? inBuffer - 1 : 0);
    }

    // Text that is not JSON: the byte where the parser stopped and a few bytes from there.
    [[noreturn]] void NotJson(simdjson::error_code error, const char* at, const std::string_view* key, const std::string_view* sideKey) {
        if (at < buffer.data() || at > buffer.data() + textEnd) at = buffer.data();
        std::uint64_t offset = FileOffset(at);
        std::string_view rest(at, textEnd - static_cast<std::size_t>(at - buffer.data()));
        LineFail(NotJsonProblem(offset, rest, simdjson::error_message(error)), key, sideKey);
    }

    // key and sideKey: nullptr when the problem is the line's (or the side's) own.
    [[noreturn]] void LineFail(const std::string& problem, const std::string_view* key, const std::string_view* sideKey) const {
        FailAtLine(dataSet, line, problem, key, sideKey);
    }

    // The key of a field, escapes decoded only when it has any.
    std::string_view KeyOf(od::field& field, int level) {
        const char* raw = field.key().raw();
        const char* end = raw;
        while (*end != '"' && *end != '\\') ++end;
        if (*end == '"') return {raw, static_cast<std::size_t>(end - raw)};
        std::string_view key;
        if (auto error = field.unescaped_key().get(key)) NotJson(error, raw, nullptr, nullptr);
        keyScratch[level].assign(key);
        return keyScratch[level];
    }

    // A scalar as the value readers take it; kind Other for an object or a list.
    Scalar ScalarOf(od::value& value, const std::string_view* key, const std::string_view* sideKey) {
        Scalar scalar;
        od::json_type type;
        if (auto error = value.type().get(type)) NotJson(error, Location(value, buffer.data()), key, sideKey);
        switch (type) {
        case od::json_type::null: {
            // A word that starts like null ("null0401") is an error, not an exception.
            bool isNull = false;
            if (value.is_null().get(isNull) != simdjson::SUCCESS || !isNull)
                NotJson(simdjson::INCORRECT_TYPE, Location(value, buffer.data()), key, sideKey);
            return scalar;
        }
        case od::json_type::boolean:
            scalar.kind = Scalar::Kind::Boolean;
            if (auto error = value.get_bool().get(scalar.boolean)) NotJson(error, Location(value, buffer.data()), key, sideKey);
            return scalar;
        case od::json_type::string:
            scalar.kind = Scalar::Kind::Text;
            if (auto error = value.get_string().get(scalar.text)) NotJson(error, Location(value, buffer.data()), key, sideKey);
            return scalar;
        case od::json_type::number: return NumberOf(value, key, sideKey);
        default: scalar.kind = Scalar::Kind::Other; return scalar;
        }
    }

    // Integers as integers; a fraction, an exponent or an integer beyond 64 bits as its literal.
    Scalar NumberOf(od::value& value, const std::string_view* key, const std::string_view* sideKey) {
        Scalar scalar;
        std::string_view token = MbcsText::Trim(value.raw_json_token(), " \t\n\r");
        if (!IsJsonNumber(token)) NotJson(simdjson::NUMBER_ERROR, Location(value, buffer.data()), key, sideKey);
        bool integral = true;
        for (char c : token) integral = integral && c != '.' && c != 'e' && c != 'E';
        if (integral) {
            const char* end = token.data() + token.size();
            auto fits = [end](std::from_chars_result r) { return r.ec == std::errc() && r.ptr == end; };
            if (fits(std::from_chars(token.data(), end, scalar.integer))) {
                scalar.kind = Scalar::Kind::Integer;
                return scalar;
            }
            if (token[0] != '-' && fits(std::from_chars(token.data(), end, scalar.unsignedInteger))) {
                scalar.kind = Scalar::Kind::Unsigned;
                return scalar;
            }
        }
        scalar.kind = Scalar::Kind::Number;
        scalar.text = token;
        return scalar;
    }

    // A note's value, read through: On-Demand passes over a value it is not asked for without
    // checking it, and text that is not JSON must be refused wherever it stands.
    void CheckNote(od::value& value, const std::string_view* key, const std::string_view* sideKey) {
        od::json_type type;
        if (auto error = value.type().get(type)) NotJson(error, Location(value, buffer.data()), key, sideKey);
        if (type == od::json_type::object) {
            od::object object;
            if (auto error = value.get_object().get(object)) NotJson(error, Location(value, buffer.data()), key, sideKey);
            for (auto member : object) {
                od::field field;
                if (auto error = std::move(member).get(field)) NotJson(error, Location(value, buffer.data()), key, sideKey);
                std::string_view name;
                if (auto error = field.unescaped_key().get(name)) NotJson(error, Location(value, buffer.data()), key, sideKey);
                CheckNote(field.value(), key, sideKey);
            }
        } else if (type == od::json_type::array) {
            od::array array;
            if (auto error = value.get_array().get(array)) NotJson(error, Location(value, buffer.data()), key, sideKey);
            for (auto element : array) {
                od::value item;
                if (auto error = std::move(element).get(item)) NotJson(error, Location(value, buffer.data()), key, sideKey);
                CheckNote(item, key, sideKey);
            }
        } else {
            ScalarOf(value, key, sideKey);
        }
    }

    void ReadSide(od::value& value, BookSide& side, const std::string_view* lineKey) {
        od::object object;
        if (auto error = value.get_object().get(object)) NotJson(error, Location(value, buffer.data()), lineKey, nullptr);
        for (auto member : object) {
            od::field field;
            if (auto error = std::move(member).get(field)) NotJson(error, Location(value, buffer.data()), lineKey, nullptr);
            std::string_view keyView = KeyOf(field, 1);
            SideKey which = SideKeyOf(keyView);
            od::value& v = field.value();
            if (which == SideKey::Note) {
                CheckNote(v, lineKey, &keyView);
                continue;
            }
            Scalar scalar = ScalarOf(v, lineKey, &keyView);
            if (scalar.kind == Scalar::Kind::Null) continue;
            if (scalar.kind == Scalar::Kind::Other) {
                od::json_type type = od::json_type::object;
                if (auto error = v.type().get(type)) NotJson(error, Location(v, buffer.data()), lineKey, &keyView);
                LineFail(type == od::json_type::array ? "a list is not a value of a journal line"
                                                      : "an object is not a value of a journal side",
                         lineKey, &keyView);
            }
            try {
                StoreSideValue(which, scalar, KeyPath(), side);
            } catch (const BooksFormatError& e) {
                LineFail(e.what(), lineKey, &keyView);
            }
        }
    }

    // One journal line; closing is what its "closing" key says.
    BookLine ReadLine(od::value& element, Closing& closing) {
        od::json_type type;
        if (auto error = element.type().get(type)) NotJson(error, Location(element, buffer.data()), nullptr, nullptr);
        if (type != od::json_type::object) LineFail("a journal line must be an object", nullptr, nullptr);
        od::object object;
        if (auto error = element.get_object().get(object)) NotJson(error, Location(element, buffer.data()), nullptr, nullptr);
        BookSide sides[2];
        BookLine line;
        bool hasDate = false;
        closing = Closing::None;
        for (auto member : object) {
            od::field field;
            if (auto error = std::move(member).get(field)) NotJson(error, Location(element, buffer.data()), nullptr, nullptr);
            std::string_view keyView = KeyOf(field, 0);
            LineKey which = LineKeyOf(keyView);
            od::value& v = field.value();
            if (which == LineKey::Note) {
                CheckNote(v, &keyView, nullptr);
                continue;
            }
            od::json_type valueType;
            if (auto error = v.type().get(valueType)) NotJson(error, Location(v, buffer.data()), &keyView, nullptr);
            if (valueType == od::json_type::array) LineFail("a list is not a value of a journal line", &keyView, nullptr);
            if (which == LineKey::Debit || which == LineKey::Credit) {
                if (valueType == od::json_type::object) {
                    ReadSide(v, sides[which == LineKey::Debit ? 0 : 1], &keyView);
                    continue;
                }
                Scalar scalar = ScalarOf(v, &keyView, nullptr);
                if (scalar.kind != Scalar::Kind::Null) LineFail("expected an object, found a value", &keyView, nullptr);
                continue;
            }
            if (valueType == od::json_type::object) {
                LineFail(which == LineKey::Unknown ? "unknown key of a journal line" : "expected a value, found an object",
                         &keyView, nullptr);
            }
            Scalar scalar = ScalarOf(v, &keyView, nullptr);
            if (scalar.kind == Scalar::Kind::Null) continue;
            const KeyPath none;
            try {
                if (which == LineKey::Date) {
                    line.date = ReadDate(scalar, none);
                    hasDate = true;
                } else if (which == LineKey::Closing) {
                    closing = ClosingOf(scalar, none);
                } else {
                    none.Fail("unknown key of a journal line");
                }
            } catch (const BooksFormatError& e) {
                LineFail(e.what(), &keyView, nullptr);
            }
        }
        if (!hasDate) LineFail("a journal line needs a date", &kDateKey, nullptr);
        line.SetSide(1, sides[0]);
        line.SetSide(2, sides[1]);
        return line;
    }
};

JournalReader::JournalReader() : parser_(std::make_unique<Parser>()) {}
JournalReader::~JournalReader() = default;

void JournalReader::Read(const BooksInput& input, const JournalExtent& journal, const AccountingCalendar& calendar,
                         std::vector<BookLine>& lines) {
    Parser& p = *parser_;
    p.input = &input;
    p.dataSet = journal.dataSet;
    lines.reserve(lines.size() + journal.lines);
    AskForLargePages(lines);
    // A date outside the period is reported after every line has been read, as the lines' own
    // problems come first.
    std::size_t outsideLine = SIZE_MAX;
    std::int32_t outsideDate = 0;
    for (const JournalChunk& chunk : journal.chunks) {
        std::size_t length = static_cast<std::size_t>(chunk.end - chunk.begin);
        // The padding simdjson may read past the text stays zero.
        if (p.buffer.size() < length + 2 + simdjson::SIMDJSON_PADDING) p.buffer.resize(length + 2 + simdjson::SIMDJSON_PADDING);
        std::memset(p.buffer.data() + length + 2, 0, simdjson::SIMDJSON_PADDING);
        p.buffer[0] = '[';
        input.Read(chunk.begin, length, p.buffer.data() + 1);
        p.buffer[length + 1] = ']';
        p.chunkBegin = chunk.begin;
        p.line = chunk.firstLine;
        od::document document;
        p.textEnd = length + 2;
        if (auto error = p.parser.iterate(p.buffer.data(), length + 2, p.buffer.size()).get(document))
            p.NotJson(error, p.buffer.data(), nullptr, nullptr);
        od::array array;
        if (auto error = document.get_array().get(array)) p.NotJson(error, p.buffer.data(), nullptr, nullptr);
        bool first = true;
        for (auto element : array) {
            if (!first) ++p.line;
            first = false;
            od::value value;
            if (auto error = std::move(element).get(value)) p.NotJson(error, Location(document, p.buffer.data()), nullptr, nullptr);
            Closing closing = Closing::None;
            BookLine line = p.ReadLine(value, closing);
            int position = calendar.PositionOf(line.date);
            if (position == 0 && outsideLine == SIZE_MAX) outsideLine = p.line, outsideDate = line.date;
            line.SetMonthKind(MonthKindOf(closing, position));
            lines.push_back(line);
        }
        if (first && chunk.firstLine > 0) {
            // Nothing after a separating comma.
            p.NotJson(simdjson::TAPE_ERROR, p.buffer.data() + 1, nullptr, nullptr);
        }
        // Text after the list: a bracket that closed it early.
        if (const char* rest = Location(document, nullptr)) p.NotJson(simdjson::TAPE_ERROR, rest, nullptr, nullptr);
    }
    if (outsideLine != SIZE_MAX) {
        p.line = outsideLine;
        p.LineFail("the date " + std::to_string(outsideDate) + " is outside the accounting period", &kDateKey, nullptr);
    }
}

}  // namespace StandIn
