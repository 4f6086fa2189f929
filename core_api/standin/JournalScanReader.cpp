#include "core_api/standin/JournalScanReader.h"

#include "core_api/standin/JournalFields.h"
#include "core_api/standin/JournalLineTree.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace StandIn {

namespace {

// The books are UTF-8, in which the bytes of JSON's structure never occur inside a multi-byte
// character: the scan may look at single bytes.
class LineScanner {
public:
    LineScanner(std::string_view text, std::uint64_t fileBegin, std::size_t dataSet, std::size_t firstLine)
        : text_(text), fileBegin_(fileBegin), dataSet_(dataSet), line_(firstLine) {}

    // The lines of the chunk "[...]"; each read line goes to take(line, closing, index).
    template <typename Take>
    void Lines(Take&& take, bool afterSeparator) {
        Expect('[');
        if (SkipSpace() == ']') {
            if (afterSeparator) NotJson("a value is missing after a separating comma");
            ++at_;
        } else {
            for (bool first = true;; first = false) {
                if (!first) ++line_;
                Closing closing = Closing::None;
                BookLine line = Line(closing);
                take(line, closing, line_);
                const char c = SkipSpace();
                ++at_;
                if (c == ']') break;
                if (c != ',') --at_, NotJson("expected ',' or ']' after a journal line");
            }
        }
        if (SkipSpace() != '\0' || at_ < text_.size()) NotJson("text after the end of the list");
    }

private:
    // --- Structure ---------------------------------------------------------------------------

    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

    char SkipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
        return Peek();
    }

    void Expect(char c) {
        if (SkipSpace() != c) NotJson(std::string("expected '") + c + "'");
        ++at_;
    }

    // Text that is not JSON, named by the keys whose value is being read.
    [[noreturn]] void NotJson(const std::string& reason) const {
        const std::size_t at = at_ < text_.size() ? at_ : text_.size();
        FailAtLine(dataSet_, line_, NotJsonProblem(fileBegin_ + (at > 0 ? at - 1 : 0), text_.substr(at), reason),
                   lineKey_, sideKey_);
    }

    // The key whose value is being read, for the messages of text that is not JSON.
    struct Within {
        Within(const std::string_view*& slot, const std::string_view& key) : slot_(slot) { slot_ = &key; }
        ~Within() { slot_ = nullptr; }
        const std::string_view*& slot_;
    };

    [[noreturn]] void Fail(const std::string& problem, const std::string_view* key = nullptr,
                           const std::string_view* sideKey = nullptr) const {
        FailAtLine(dataSet_, line_, problem, key, sideKey);
    }

    // Calls member(key) for each member of the object at the cursor; member reads the value.
    template <typename Member>
    void Members(Member&& member, int level) {
        Expect('{');
        if (SkipSpace() == '}') {
            ++at_;
            return;
        }
        for (;;) {
            if (SkipSpace() != '"') NotJson("expected a key");
            std::string_view key = String(keyScratch_[level]);
            Expect(':');
            SkipSpace();
            member(key);
            const char c = SkipSpace();
            ++at_;
            if (c == '}') return;
            if (c != ',') --at_, NotJson("expected ',' or '}' in an object");
        }
    }

    // --- Values ------------------------------------------------------------------------------

    // Any value, checked and passed over (a note).
    void Skip(int depth = 0) {
        if (depth > 1000) NotJson("nested too deeply");
        switch (SkipSpace()) {
        case '{':
            Members([&](std::string_view) { Skip(depth + 1); }, 2);
            return;
        case '[':
            ++at_;
            if (SkipSpace() == ']') {
                ++at_;
                return;
            }
            for (;;) {
                Skip(depth + 1);
                const char c = SkipSpace();
                ++at_;
                if (c == ']') return;
                if (c != ',') --at_, NotJson("expected ',' or ']' in a list");
            }
        case '"': String(noteScratch_); return;
        default: Scalar(); return;
        }
    }

    // A scalar at the cursor (not an object nor a list), which must end where a value ends: a
    // word that only starts like one ("null0401", "truex") is not JSON, named by its key.
    StandIn::Scalar Scalar() {
        const StandIn::Scalar s = ScalarToken();
        const char next = Peek();
        if (at_ < text_.size() && next != ',' && next != '}' && next != ']' && next != ' ' && next != '\t' &&
            next != '\n' && next != '\r')
            NotJson("not a value");
        return s;
    }

    StandIn::Scalar ScalarToken() {
        StandIn::Scalar s;
        const char c = Peek();
        if (c == '"') {
            s.kind = Scalar::Kind::Text;
            s.text = String(valueScratch_);
            return s;
        }
        if (Literal("null")) return s;
        if (Literal("true")) return s.kind = Scalar::Kind::Boolean, s.boolean = true, s;
        if (Literal("false")) return s.kind = Scalar::Kind::Boolean, s.boolean = false, s;
        return Number();
    }

    bool Literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    // Integers as integers; a fraction, an exponent or an integer beyond 64 bits as its literal.
    StandIn::Scalar Number() {
        const std::size_t start = at_;
        while (at_ < text_.size() && std::string_view("-+.eE0123456789").find(text_[at_]) != std::string_view::npos) ++at_;
        const std::string_view token = text_.substr(start, at_ - start);
        if (!IsJsonNumber(token)) at_ = start, NotJson("not a value");
        StandIn::Scalar s;
        if (token.find_first_of(".eE") == std::string_view::npos) {
            const char* end = token.data() + token.size();
            if (auto r = std::from_chars(token.data(), end, s.integer); r.ec == std::errc() && r.ptr == end) {
                s.kind = Scalar::Kind::Integer;
                return s;
            }
            if (auto r = std::from_chars(token.data(), end, s.unsignedInteger);
                token[0] != '-' && r.ec == std::errc() && r.ptr == end) {
                s.kind = Scalar::Kind::Unsigned;
                return s;
            }
        }
        s.kind = Scalar::Kind::Number;
        s.text = token;
        return s;
    }

    // The string at the cursor, escapes decoded into scratch when it has any.
    std::string_view String(std::string& scratch) {
        ++at_;  // the opening quote
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\\' && static_cast<unsigned char>(text_[at_]) >= 0x20)
            ++at_;
        if (Peek() == '"' ) {
            const std::string_view plain = text_.substr(start, at_ - start);
            ++at_;
            CheckUtf8(plain);
            return plain;
        }
        scratch.assign(text_.substr(start, at_ - start));
        for (;;) {
            const char c = Peek();
            if (c == '"') break;
            if (at_ >= text_.size() || static_cast<unsigned char>(c) < 0x20) NotJson("a string is not closed");
            ++at_;
            if (c != '\\') {
                scratch += c;
                continue;
            }
            Escape(scratch);
        }
        ++at_;
        CheckUtf8(scratch);
        return scratch;
    }

    void Escape(std::string& out) {
        const char c = Peek();
        ++at_;
        switch (c) {
        case '"': out += '"'; return;
        case '\\': out += '\\'; return;
        case '/': out += '/'; return;
        case 'b': out += '\b'; return;
        case 'f': out += '\f'; return;
        case 'n': out += '\n'; return;
        case 'r': out += '\r'; return;
        case 't': out += '\t'; return;
        case 'u': break;
        default: --at_, NotJson("a bad escape in a string");
        }
        std::uint32_t code = Hex4();
        if (code >= 0xDC00 && code <= 0xDFFF) NotJson("a lone low surrogate in a string");
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (!Literal("\\u")) NotJson("a high surrogate without its low surrogate");
            const std::uint32_t low = Hex4();
            if (low < 0xDC00 || low > 0xDFFF) NotJson("a high surrogate without its low surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
    }

    std::uint32_t Hex4() {
        std::uint32_t code = 0;
        const std::string_view digits = text_.substr(at_, 4);
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
        if (digits.size() != 4 || ec != std::errc() || end != digits.data() + 4 || digits.find_first_of("+-") != digits.npos)
            NotJson("a bad \\u escape in a string");
        at_ += 4;
        return code;
    }

    static void AppendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    // Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing
    // past U+10FFFF.
    void CheckUtf8(std::string_view s) const {
        for (std::size_t i = 0; i < s.size();) {
            const auto b = static_cast<unsigned char>(s[i]);
            std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
            if (length == 0 || i + length > s.size()) NotJson("invalid UTF-8 in a string");
            std::uint32_t code = length == 1 ? b : b & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(s[i + k]);
                if ((next & 0xC0) != 0x80) NotJson("invalid UTF-8 in a string");
                code = (code << 6) | (next & 0x3F);
            }
            const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                NotJson("invalid UTF-8 in a string");
            i += length;
        }
    }

    // --- Journal lines -------------------------------------------------------------------------

    BookLine Line(Closing& closing) {
        if (SkipSpace() != '{') {
            if (Peek() == '[' || Peek() == '"' || Peek() == 't' || Peek() == 'f' || Peek() == 'n' || Peek() == '-' ||
                (Peek() >= '0' && Peek() <= '9'))
                Fail("a journal line must be an object");
            NotJson("not a value");
        }
        BookSide sides[2];
        BookLine line;
        bool hasDate = false;
        closing = Closing::None;
        Members(
            [&](std::string_view key) {
                const Within within(lineKey_, key);
                const LineKey which = LineKeyOf(key);
                const char c = Peek();
                if (which == LineKey::Note) return Skip();
                if (c == '[') Fail("a list is not a value of a journal line", &key);
                if (which == LineKey::Debit || which == LineKey::Credit) {
                    if (c == '{') return Side(sides[which == LineKey::Debit ? 0 : 1], key);
                    if (Scalar().kind != Scalar::Kind::Null) Fail("expected an object, found a value", &key);
                    return;
                }
                if (c == '{') Fail(which == LineKey::Unknown ? "unknown key of a journal line" : "expected a value, found an object", &key);
                const StandIn::Scalar value = Scalar();
                if (value.kind == Scalar::Kind::Null) return;
                try {
                    const KeyPath none;
                    if (which == LineKey::Date) line.date = ReadDate(value, none), hasDate = true;
                    else if (which == LineKey::Closing) closing = ClosingOf(value, none);
                    else none.Fail("unknown key of a journal line");
                } catch (const BooksFormatError& e) {
                    Fail(e.what(), &key);
                }
            },
            0);
        static constexpr std::string_view kDateKey = "date";
        if (!hasDate) Fail("a journal line needs a date", &kDateKey);
        line.SetSide(1, sides[0]);
        line.SetSide(2, sides[1]);
        return line;
    }

    void Side(BookSide& side, std::string_view lineKey) {
        Members(
            [&](std::string_view key) {
                const Within within(sideKey_, key);
                const SideKey which = SideKeyOf(key);
                const char c = Peek();
                if (which == SideKey::Note) return Skip();
                if (c == '[') Fail("a list is not a value of a journal line", &lineKey, &key);
                if (c == '{') Fail("an object is not a value of a journal side", &lineKey, &key);
                const StandIn::Scalar value = Scalar();
                if (value.kind == Scalar::Kind::Null) return;
                try {
                    StoreSideValue(which, value, KeyPath(), side);
                } catch (const BooksFormatError& e) {
                    Fail(e.what(), &lineKey, &key);
                }
            },
            1);
    }

    std::string_view text_;
    std::uint64_t fileBegin_;
    std::size_t dataSet_;
    std::size_t line_;
    std::size_t at_ = 0;
    const std::string_view* lineKey_ = nullptr;
    const std::string_view* sideKey_ = nullptr;
    std::string keyScratch_[3];  // the line's keys, the side's, a note's
    std::string valueScratch_;
    std::string noteScratch_;
};

}  // namespace

void JournalScanReader::Read(const BooksInput& input, const JournalExtent& journal, const AccountingCalendar& calendar,
                             std::vector<BookLine>& lines) {
    lines.reserve(lines.size() + journal.lines);
    // A date outside the period is reported after every line has been read, as the lines' own
    // problems come first.
    std::size_t outsideLine = SIZE_MAX;
    std::int32_t outsideDate = 0;
    for (const JournalChunk& chunk : journal.chunks) {
        const std::size_t length = static_cast<std::size_t>(chunk.end - chunk.begin);
        buffer_.assign(length + 2, ' ');
        buffer_.front() = '[';
        input.Read(chunk.begin, length, buffer_.data() + 1);
        buffer_.back() = ']';
        LineScanner scanner(buffer_, chunk.begin, journal.dataSet, chunk.firstLine);
        scanner.Lines(
            [&](BookLine& line, Closing closing, std::size_t index) {
                const int position = calendar.PositionOf(line.date);
                if (position == 0 && outsideLine == SIZE_MAX) outsideLine = index, outsideDate = line.date;
                line.SetMonthKind(MonthKindOf(closing, position));
                lines.push_back(line);
            },
            chunk.firstLine > 0);
    }
    if (outsideLine != SIZE_MAX) {
        static constexpr std::string_view kDateKey = "date";
        FailAtLine(journal.dataSet, outsideLine,
                   "the date " + std::to_string(outsideDate) + " is outside the accounting period", &kDateKey, nullptr);
    }
}

}  // namespace StandIn
