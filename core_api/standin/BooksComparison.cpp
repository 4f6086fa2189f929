#include "core_api/standin/BooksComparison.h"

#include "platform/WorldError.h"

#include <cstring>
#include <optional>

namespace StandIn {

namespace {

// Records with byte positions: every byte counts, the reserved ones included.
template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

template <typename Record>
bool SameBytes(const std::optional<Record>& a, const std::optional<Record>& b) {
    return a.has_value() == b.has_value() && (!a || SameBytes(*a, *b));
}

bool SameSlots(const std::optional<SlotFigures>& a, const std::optional<SlotFigures>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->debit == b->debit && a->debitIncl == b->debitIncl && a->credit == b->credit &&
                  a->creditIncl == b->creditIncl);
}

bool Same(const BookAccount& a, const BookAccount& b) {
    return a.code == b.code && a.name == b.name && a.accountClass == b.accountClass && a.excluded == b.excluded &&
           a.side == b.side && a.total == b.total && a.members == b.members && a.sumExcluded == b.sumExcluded &&
           a.sumExcluded2 == b.sumExcluded2 && SameSlots(a.slots, b.slots);
}

bool Same(const BookDepartment& a, const BookDepartment& b) {
    return a.code == b.code && a.name == b.name && a.link == b.link && a.departmentClass == b.departmentClass &&
           a.incomeType == b.incomeType;
}

bool Same(const BookAsset& a, const BookAsset& b) {
    return a.code == b.code && a.name == b.name && a.date == b.date && a.kind == b.kind && a.cost == b.cost &&
           a.incomeType == b.incomeType;
}

bool Same(const BookLine& a, const BookLine& b) { return SameBytes(a, b); }

bool Same(const BookFault& a, const BookFault& b) {
    return a.call == b.call && a.status == b.status && a.after == b.after;
}

// "" when the lists are equal; else the first differing element's place under path.
template <typename Element>
std::string ListDifference(const std::vector<Element>& a, const std::vector<Element>& b, const std::string& path) {
    if (a.size() != b.size()) return path + " (" + std::to_string(a.size()) + " against " + std::to_string(b.size()) + ")";
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!Same(a[i], b[i])) return path + "[" + std::to_string(i) + "]";
    return "";
}

std::string DataSetDifference(const BookDataSet& a, const BookDataSet& b, const std::string& path) {
    if (!SameBytes(a.info, b.info)) return path + ".info";
    if (a.taxObject != b.taxObject) return path + ".taxObject";
    if (!SameBytes(a.tax, b.tax)) return path + ".tax";
    if (a.rateCount != b.rateCount) return path + ".rates";
    if (!SameBytes(a.savedReturn, b.savedReturn)) return path + ".savedReturn";
    for (std::string difference : {ListDifference(a.accounts, b.accounts, path + ".accounts"),
                                   ListDifference(a.departments, b.departments, path + ".departments"),
                                   ListDifference(a.journal, b.journal, path + ".journal"),
                                   ListDifference(a.assets, b.assets, path + ".assets")})
        if (!difference.empty()) return difference;
    return "";
}

}  // namespace

std::string FirstDifference(const Books& a, const Books& b) {
    if (a.user != b.user) return "user";
    if (a.selection[0] != b.selection[0] || a.selection[1] != b.selection[1]) return "selection";
    if (a.outputFolder != b.outputFolder || a.settingsFolder != b.settingsFolder) return "folders";
    if (a.initiate != b.initiate || a.link != b.link) return "connection";
    if (std::string d = ListDifference(a.faults, b.faults, "faults"); !d.empty()) return d;
    if (a.dataSets.size() != b.dataSets.size()) return "dataSets (count)";
    for (std::size_t i = 0; i < a.dataSets.size(); ++i)
        if (std::string d = DataSetDifference(a.dataSets[i], b.dataSets[i], "dataSets[" + std::to_string(i) + "]");
            !d.empty())
            return d;
    return "";
}

BooksReading ReadingOf(const std::function<Books()>& read) {
    BooksReading reading;
    try {
        reading.books = read();
        reading.loaded = true;
    } catch (const WorldError& e) {
        reading.error = e.what();
    }
    return reading;
}

std::string Disagreement(const BooksReading& fast, const BooksReading& plain) {
    if (fast.loaded && plain.loaded) return FirstDifference(fast.books, plain.books);
    if (fast.loaded != plain.loaded)
        return "fast: " + (fast.loaded ? "loaded" : fast.error) + "\nplain: " + (plain.loaded ? "loaded" : plain.error);
    const auto notJson = [](const std::string& error) { return error.find(": not JSON near byte ") != std::string::npos; };
    if (notJson(fast.error) || notJson(plain.error) || fast.error == plain.error) return "";
    return "fast: " + fast.error + "\nplain: " + plain.error;
}

}  // namespace StandIn
