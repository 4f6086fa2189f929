#include "core_api/standin/JournalFields.h"

#include <climits>

namespace StandIn {

LineKey LineKeyOf(std::string_view key) {
    if (!key.empty() && key[0] == '_') return LineKey::Note;
    if (key == "debit") return LineKey::Debit;
    if (key == "credit") return LineKey::Credit;
    if (key == "date") return LineKey::Date;
    if (key == "closing") return LineKey::Closing;
    return LineKey::Unknown;
}

SideKey SideKeyOf(std::string_view key) {
    if (key.empty()) return SideKey::Unknown;
    switch (key[0]) {
    case '_': return SideKey::Note;
    case 'a': return key == "amount" ? SideKey::Amount : key == "account" ? SideKey::Account : SideKey::Unknown;
    case 't': return key == "tax" ? SideKey::Tax : SideKey::Unknown;
    case 'c': return key == "category" ? SideKey::Category : SideKey::Unknown;
    case 'r': return key == "rate" ? SideKey::Rate : key == "reduced" ? SideKey::Reduced : SideKey::Unknown;
    case 'd': return key == "department" ? SideKey::Department : SideKey::Unknown;
    case 'b': return key == "business" ? SideKey::Business : SideKey::Unknown;
    }
    return SideKey::Unknown;
}

void StoreSideValue(SideKey key, const Scalar& value, const KeyPath& path, BookSide& side) {
    switch (key) {
    case SideKey::Amount: side.amount = ReadAmount(value, path); break;
    case SideKey::Account: side.account = static_cast<std::int32_t>(ReadInteger(value, path, INT32_MIN, INT32_MAX)); break;
    case SideKey::Tax: side.tax = ReadAmount(value, path); break;
    case SideKey::Category: side.category = static_cast<std::uint8_t>(ReadInteger(value, path, 0, 255)); break;
    case SideKey::Rate: side.rate = static_cast<std::int32_t>(ReadInteger(value, path, 0, 100000)); break;
    case SideKey::Department:
        side.department = static_cast<std::int32_t>(ReadInteger(value, path, INT32_MIN, INT32_MAX));
        break;
    case SideKey::Reduced: side.reduced = ReadFlag(value, path); break;
    case SideKey::Business: side.business = static_cast<std::uint8_t>(ReadInteger(value, path, 0, 6)); break;
    default: path.Fail("unknown key of a journal side");
    }
}

Closing ClosingOf(const Scalar& value, const KeyPath& path) {
    if (value.kind == Scalar::Kind::Text && value.text == "interim") return Closing::Interim;
    if (value.kind == Scalar::Kind::Text && value.text == "yearEnd") return Closing::YearEnd;
    path.Fail("expected \"interim\" or \"yearEnd\"");
}

void FailAtLine(std::size_t dataSet, std::size_t line, const std::string& problem, const std::string_view* key,
                const std::string_view* sideKey) {
    const KeyPath root;
    const KeyPath dataSets = root.Key("dataSets");
    const KeyPath set = dataSets.Index(static_cast<long>(dataSet));
    const KeyPath journal = set.Key("journal");
    const KeyPath at = journal.Index(static_cast<long>(line));
    if (key == nullptr) at.Fail(problem);
    const std::string keyText(*key);
    const KeyPath keyPath = at.Key(keyText.c_str());
    if (sideKey == nullptr) keyPath.Fail(problem);
    const std::string sideKeyText(*sideKey);
    keyPath.Key(sideKeyText.c_str()).Fail(problem);
}

std::string NotJsonProblem(std::uint64_t fileOffset, std::string_view rest, std::string_view reason) {
    std::string near = rest.size() > 20 ? std::string(rest.substr(0, 20)) + "..." : std::string(rest);
    if (near == "]") near.clear();  // the closing bracket that the reader added
    std::string problem = "not JSON near byte " + std::to_string(fileOffset) + (near.empty() ? "" : " (" + near + ")") +
                          ": " + std::string(reason);
    for (char& c : problem)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return problem;
}

bool IsJsonNumber(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t whole = i;
    const std::size_t wholeDigits = digits();
    if (wholeDigits == 0 || (wholeDigits > 1 && text[whole] == '0')) return false;
    if (i < text.size() && text[i] == '.' && (++i, digits() == 0)) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

}  // namespace StandIn
