// Compile-time checks that the literal name table, the group table and the rate classes agree:
// a name typed into the wrong group or a miscounted group stops the build.
#include "report/ReportCatalogue.h"

#include "aggregate/TaxRateClass.h"

namespace ReportCatalogue {
namespace {

constexpr bool IsNameCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

constexpr bool AllNamesWellFormed() {
    for (std::string_view name : kElementNames) {
        if (name.empty() || !(name[0] >= 'A' && name[0] <= 'Z')) return false;
        for (char c : name) {
            if (!IsNameCharacter(c)) return false;
        }
    }
    return true;
}

constexpr bool GroupsCoverTheDataNamesInOrder() {
    std::size_t next = kDataFirst;
    for (const DataGroup& group : kDataGroups) {
        if (group.first != next || group.count == 0) return false;
        next += group.count;
    }
    return next == kElementNames.size() && next - kDataFirst == kDataCount;
}

// Each name of a rate group ends in its rate's suffix, right after a letter (so "8" is not
// taken for the end of "8K" or "10"), and the identifier ends in the rate's digit.
constexpr bool RateGroupsMatchTheirRateClass() {
    for (std::size_t i = 0; i < kRateGroupCount; ++i) {
        const DataGroup& group = kDataGroups[i];
        if (group.ratePosition != static_cast<int>(i % kRatesPerFamily) ||
            static_cast<std::size_t>(group.family) != i / kRatesPerFamily + 1) {
            return false;
        }
        const TaxRateClass& rate = TaxRateClasses::kAll[static_cast<std::size_t>(group.ratePosition)];
        if (group.identifier.back() != rate.groupDigit) return false;
        const std::size_t expectedLength = group.family == DataFamily::Adjustments ? 6 : 7;
        if (group.identifier.size() != expectedLength) return false;
        for (std::string_view name : Names(group)) {
            if (!name.ends_with(rate.elementSuffix)) return false;
            const char before = name[name.size() - rate.elementSuffix.size() - 1];
            if (!(before >= 'A' && before <= 'Z')) return false;
        }
    }
    return true;
}

constexpr bool NoNameRepeatsWithinAGroup() {
    for (const DataGroup& group : kDataGroups) {
        const auto names = Names(group);
        for (std::size_t i = 0; i < names.size(); ++i) {
            for (std::size_t j = i + 1; j < names.size(); ++j) {
                if (names[i] == names[j]) return false;
            }
        }
    }
    return true;
}

static_assert(AllNamesWellFormed());
static_assert(GroupsCoverTheDataNamesInOrder());
static_assert(RateGroupsMatchTheirRateClass());
static_assert(NoNameRepeatsWithinAGroup());
static_assert(CorporateRefundGroup().identifier == "KANPUH" && CorporateRefundGroup().count == 16);
static_assert(IndividualRefundGroup().identifier == "KANPUK" && IndividualRefundGroup().count == 17);

}  // namespace
}  // namespace ReportCatalogue
