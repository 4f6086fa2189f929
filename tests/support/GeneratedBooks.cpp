#include "tests/support/GeneratedBooks.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>

namespace {

// A value written as JSON text in a layout chosen per container.
class Writer {
public:
    explicit Writer(std::mt19937_64& rng) : rng_(rng) {
        layout_ = static_cast<Layout>(Pick(3));
        newline_ = Chance(4) ? "\r\n" : "\n";
    }

    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
    bool Chance(std::size_t oneIn) { return Pick(oneIn) == 0; }

    // A string, every character written plainly or escaped at random.
    std::string String(const std::u32string& text) {
        std::string out = "\"";
        for (char32_t c : text) out += Escaped(c);
        return out + "\"";
    }

    // Members in the order given; the caller shuffles them when the order is free.
    std::string Object(const std::vector<std::pair<std::string, std::string>>& members, int depth) {
        std::vector<std::string> parts;
        for (const auto& [key, value] : members) parts.push_back(Key(key) + Colon() + value);
        return Container('{', '}', parts, depth);
    }

    std::string List(const std::vector<std::string>& elements, int depth) { return Container('[', ']', elements, depth); }

    std::string Key(const std::string& key) {
        std::u32string wide(key.begin(), key.end());
        return Chance(12) ? String(wide) : "\"" + key + "\"";
    }

private:
    std::string Escaped(char32_t c) {
        if (c == '"') return "\\\"";
        if (c == '\\') return "\\\\";
        if (c < 0x20 || (Chance(10) && c < 0x10000)) {
            if (c == '\n' && Chance(2)) return "\\n";
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
            return buffer;
        }
        if (c == '/' && Chance(2)) return "\\/";
        return Utf8(c);
    }

    static std::string Utf8(char32_t c) {
        std::string out;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        return out;
    }

    std::string Colon() { return layout_ == Layout::Compact ? ":" : ": "; }

    std::string Container(char open, char close, const std::vector<std::string>& parts, int depth) {
        // An indented layout keeps small containers on one line, as hand-written books do.
        const bool indent = layout_ == Layout::Indented && (depth < 3 || Chance(3)) && !parts.empty();
        const std::string separator = layout_ == Layout::Compact ? "," : ", ";
        std::string out(1, open);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (indent) out += newline_ + std::string(2 * (depth + 1), ' ');
            out += parts[i];
            if (i + 1 < parts.size()) out += indent ? "," : separator;
        }
        if (indent) out += newline_ + std::string(2 * depth, ' ');
        return out + close;
    }

    // Compact: no blanks; indented: a line a member; spaced: one line with blanks.
    enum class Layout { Compact, Indented, Spaced };

    std::mt19937_64& rng_;
    Layout layout_;
    std::string newline_;
};

// Texts that a careless split would take for structure.
const std::u32string kNastyTexts[] = {
    U"株式会社表ソ申商事", U"[]{},\"\\", U"ポイント\\n\"]}", U"x]}", U"{\"journal\": [", U"",
    U"ｶﾞｷﾞ", U"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十", U"\\\\\\\"",
};

class Generator {
public:
    explicit Generator(std::uint64_t seed) : rng_(seed), w_(rng_) {}

    GeneratedBooks Run() {
        const std::size_t count = 1 + w_.Pick(5);
        std::vector<std::int32_t> numbers;
        for (std::size_t i = 0; i < count; ++i) numbers.push_back(static_cast<std::int32_t>(i + 1 + w_.Pick(3) * 10));
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        out_.numbers = numbers;
        const std::int32_t selected = numbers[w_.Pick(count)];
        breakAt_ = w_.Chance(6) ? static_cast<int>(w_.Pick(40)) : -1;

        std::vector<std::string> dataSets;
        for (std::int32_t number : numbers) dataSets.push_back(DataSet(number, 2));
        Members top;
        Optional(top, "user", [&] { return w_.String(U"yamada"); });
        top.emplace_back("selection", w_.List({"1", std::to_string(selected)}, 1));
        Optional(top, "folders", [&] {
            return w_.Object({{"output", w_.String(U"C:\\TxLink\\Export\\")}, {"settings", w_.String(U"C:\\連動\\")}}, 1);
        });
        Optional(top, "connection", [&] { return w_.Object({{"initiate", "0"}, {"link", "0"}}, 1); });
        Notes(top, 1);
        top.emplace_back("dataSets", w_.List(dataSets, 1));
        Shuffle(top);
        out_.text = w_.Object(top, 0);
        if (breakAt_ == 0) BreakSyntax();
        return std::move(out_);
    }

private:
    using Members = std::vector<std::pair<std::string, std::string>>;

    void Shuffle(Members& members) { std::shuffle(members.begin(), members.end(), rng_); }

    void Optional(Members& members, const char* key, const std::function<std::string()>& value) {
        if (!w_.Chance(4)) members.emplace_back(key, value());
    }

    // A note: ignored by both readings, whatever it holds.
    void Notes(Members& members, int depth) {
        if (!w_.Chance(5)) return;
        std::string value = w_.Chance(2) ? w_.String(Nasty())
                                         : w_.List({w_.String(Nasty()), w_.Object({{"]", w_.String(Nasty())}}, depth + 1)}, depth);
        members.emplace_back(w_.Chance(2) ? "_note" : "_", value);
    }

    // Keys stay unique: the two readings may differ on books that repeat one.
    static void Set(Members& members, const std::string& key, const std::string& value) {
        auto it = std::find_if(members.begin(), members.end(), [&](const auto& kv) { return kv.first == key; });
        if (it != members.end()) it->second = value;
        else members.emplace_back(key, value);
    }

    const std::u32string& Nasty() { return kNastyTexts[w_.Pick(std::size(kNastyTexts))]; }

    // Each chance to break the books is taken at most once, at the place drawn for it.
    bool BreakHere() { return ++places_ == breakAt_ && (out_.broken = true); }

    std::string DataSet(std::int32_t number, int depth) {
        Members m;
        m.emplace_back("id", w_.String(U"DS" + std::u32string(1, U'0' + static_cast<char32_t>(number % 10))));
        m.emplace_back("number", std::to_string(number));
        m.emplace_back("company", w_.String(Nasty()));
        const bool calendarYear = w_.Chance(2);
        first_ = calendarYear ? 20230101 : 20240401;
        last_ = calendarYear ? 20231231 : 20250331;
        m.emplace_back("period", w_.List({std::to_string(first_), std::to_string(last_)}, depth + 1));
        Optional(m, "entity", [&] { return std::to_string(w_.Chance(2) ? 1 : 3); });
        Optional(m, "interim", [&] { return std::string(w_.Chance(2) ? "1" : "0"); });
        Optional(m, "tax", [&] {
            return w_.Chance(6) ? std::string("null")
                                : w_.Object({{"method", "2"}, {"rounding", "0"}, {"credit", "0"}, {"mainBusiness", "0"}}, depth + 1);
        });
        Optional(m, "accounts", [&] {
            return w_.List({w_.Object({{"code", "100"}, {"name", w_.String(Nasty())}, {"class", w_.String(U"0x10000000")}}, depth + 2),
                            w_.Object({{"code", "500"}, {"name", w_.String(U"売上高")}, {"side", "2"}}, depth + 2)},
                           depth + 1);
        });
        if (!w_.Chance(4)) m.emplace_back("journal", Journal(depth + 1));
        Optional(m, "assets", [&] {
            return w_.List({w_.Object({{"date", std::to_string(first_)}, {"name", w_.String(Nasty())}, {"cost", "\"12.5\""}}, depth + 2)},
                           depth + 1);
        });
        Notes(m, depth + 1);
        Shuffle(m);
        if (BreakHere()) Set(m, "unknownKey", "1");
        return w_.Object(m, depth);
    }

    std::string Journal(int depth) {
        std::size_t lines = 0;
        switch (w_.Pick(4)) {
        case 0: lines = 0; break;
        case 1: lines = 1; break;
        case 2: lines = 2 + w_.Pick(8); break;
        default: lines = 10 + w_.Pick(60); break;
        }
        std::vector<std::string> elements;
        for (std::size_t i = 0; i < lines; ++i) elements.push_back(Line(depth + 1));
        return w_.List(elements, depth);
    }

    std::string Amount() {
        switch (w_.Pick(5)) {
        case 0: return "\"" + std::to_string(w_.Pick(100000)) + "." + std::to_string(w_.Pick(10)) + "\"";
        case 1: return std::to_string(w_.Pick(1000)) + ".25";  // a number with a fraction
        case 2: return "-" + std::to_string(w_.Pick(5000));
        default: return std::to_string(w_.Pick(10000000));
        }
    }

    std::string Side(int depth) {
        Members m;
        Optional(m, "account", [&] { return std::string(w_.Chance(2) ? "100" : "500"); });
        Optional(m, "department", [&] { return std::to_string(w_.Pick(3)); });
        Optional(m, "amount", [&] { return Amount(); });
        Optional(m, "tax", [&] { return w_.Chance(10) ? std::string("null") : Amount(); });
        Optional(m, "category", [&] { return std::to_string(w_.Chance(2) ? 11 : 21 + w_.Pick(3)); });
        Optional(m, "rate", [&] { return std::string(w_.Chance(2) ? "1000" : "800"); });
        Optional(m, "reduced", [&] { return std::string(w_.Chance(2) ? "true" : "0"); });
        Optional(m, "business", [&] { return std::to_string(w_.Pick(7)); });
        Notes(m, depth + 1);
        Shuffle(m);
        if (BreakHere()) Set(m, w_.Chance(2) ? "rate" : "amount", w_.Chance(2) ? "\"1.23456\"" : "123456789");
        return w_.Object(m, depth);
    }

    std::string Date() {
        const std::int32_t year = first_ / 10000;
        const int month = 1 + static_cast<int>(w_.Pick(12));
        const int day = 1 + static_cast<int>(w_.Pick(28));
        std::int32_t date = year * 10000 + month * 100 + day;
        if (date < first_) date += 10000;
        return std::to_string(date);
    }

    std::string Line(int depth) {
        Members m;
        m.emplace_back("date", Date());
        if (w_.Chance(8)) m.emplace_back("closing", w_.String(w_.Chance(2) ? U"interim" : U"yearEnd"));
        Optional(m, "debit", [&] { return Side(depth + 1); });
        Optional(m, "credit", [&] { return Side(depth + 1); });
        Notes(m, depth + 1);
        Shuffle(m);
        if (BreakHere()) {
            switch (w_.Pick(4)) {
            case 0: Set(m, "date", std::to_string(first_ - 10000)); break;  // outside the period
            case 1: Set(m, "memo", "1"); break;
            case 2: m.erase(std::find_if(m.begin(), m.end(), [](const auto& kv) { return kv.first == "date"; })); break;
            default: return "[]";
            }
        }
        return w_.Object(m, depth);
    }

    // Text that is not JSON: a bracket or quote lost, or the books cut short.
    void BreakSyntax() {
        std::string& text = out_.text;
        if (text.size() < 4) return;
        out_.broken = true;
        const std::size_t at = 1 + w_.Pick(text.size() - 2);
        switch (w_.Pick(3)) {
        case 0: text.resize(at); break;
        case 1: text.erase(at, 1); break;
        default: text.insert(at, 1, "]\"{,"[w_.Pick(4)]); break;
        }
    }

    std::mt19937_64 rng_;
    Writer w_;
    GeneratedBooks out_;
    std::int32_t first_ = 0, last_ = 0;
    int breakAt_ = -1;
    int places_ = 0;
};

}  // namespace

GeneratedBooks GenerateBooks(std::uint64_t seed) { return Generator(seed).Run(); }
