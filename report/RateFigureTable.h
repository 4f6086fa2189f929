// How the value elements of a rate group find their figures: one table per family, an entry
// per element of the family's fullest group (the 10% one) in document order, keyed by the
// element's name without its rate suffix. Groups of other rates lack some elements; they find
// theirs by that stem. The tables are checked against the catalogue at compile time.
#pragma once

#include "aggregate/TaxRateClass.h"
#include "report/DataSectionWriter.h"
#include "report/ReportCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string_view>

// What fills an element.
enum class FigureUse {
    Amount,      // the figure at the offset, rounded to yen
    Empty,       // always written empty
    Securities,  // the saved securities figure, times the securities factor before rounding
};

struct RateFigure {
    std::string_view stem;  // element name without the rate suffix
    std::size_t offset;     // byte position of the figure in its record
    FigureUse use = FigureUse::Amount;
};

// An entry for an element that is always written empty.
constexpr RateFigure EmptyFigure(std::string_view stem) {
    return {stem, std::numeric_limits<std::size_t>::max(), FigureUse::Empty};
}

// The sales and bad-debt families read the figures of the same names from the return rule's
// records and from the saved return: one table each, for either record.
template <typename Record, FigureUse securities = FigureUse::Amount>
inline constexpr std::array<RateFigure, 13> kSalesFigures = {{
    {"KAZEIURIAGEZEINUKI", offsetof(Record, taxableSalesExcl)},
    {"KAZEIURIAGEZEIGAKU", offsetof(Record, taxableSalesTax)},
    {"KAZEIURIAGEZEIKOMI", offsetof(Record, taxableSalesIncl)},
    {"MENZEIURIAGEZEINUKI", offsetof(Record, exemptSales)},
    {"HIKAZEIURIAGEYUUKAZEINUKI", offsetof(Record, securitiesSales), securities},
    {"HIKAZEIURIAGEYUUKAIGAIZEINUKI", offsetof(Record, otherNonTaxableSales)},
    {"HIKAZEISHISANYUSHUTSUZEINUKI", offsetof(Record, nonTaxableAssetExports)},
    {"KAZEIURIAGEHENKANZEINUKI", offsetof(Record, salesReturnsExcl)},
    {"KAZEIURIAGEHENKANZEIGAKU", offsetof(Record, salesReturnsTax)},
    {"KAZEIURIAGEHENKANZEIKOMI", offsetof(Record, salesReturnsIncl)},
    {"MENZEIURIAGEHENKANZEINUKI", offsetof(Record, exemptSalesReturns)},
    {"HIKAZEIURIAGEHENKANZEINUKI", offsetof(Record, nonTaxableSalesReturns)},
    EmptyFigure("HIKAZEISHISANHENKANZEINUKI"),  // never reported
}};

// Bad debts, for the general return and the business-category return alike.
template <typename Record>
inline constexpr std::array<RateFigure, 6> kBadDebtFigures = {{
    {"KASHIDAOREZEINUKI", offsetof(Record, badDebtsExcl)},
    {"KASHIDAOREZEIGAKU", offsetof(Record, badDebtsTax)},
    {"KASHIDAOREZEIKOMI", offsetof(Record, badDebtsIncl)},
    {"KASHIDAOREKAISHUZEINUKI", offsetof(Record, badDebtsCollectedExcl)},
    {"KASHIDAOREKAISHUZEIGAKU", offsetof(Record, badDebtsCollectedTax)},
    {"KASHIDAOREKAISHUZEIKOMI", offsetof(Record, badDebtsCollectedIncl)},
}};

namespace RateFigureTable {

// The figure at a byte position of a packed record.
template <typename Record>
std::int64_t Read(const Record& record, std::size_t offset) {
    std::int64_t figure;
    std::memcpy(&figure, reinterpret_cast<const unsigned char*>(&record) + offset, sizeof figure);
    return figure;
}

// The stem of a name of a group at this rate position.
constexpr std::string_view StemOf(std::string_view name, int ratePosition) {
    const std::string_view suffix = TaxRateClasses::kAll[static_cast<std::size_t>(ratePosition)].elementSuffix;
    return name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : std::string_view{};
}

// The entry of a stem; nullptr when the table has none.
constexpr const RateFigure* Find(std::span<const RateFigure> table, std::string_view stem) {
    for (const RateFigure& entry : table) {
        if (entry.stem == stem) return &entry;
    }
    return nullptr;
}

// The table has an entry for each element of the 10% group in its order, and every group of
// the family finds each of its elements in it.
constexpr bool Covers(std::span<const RateFigure> table, DataFamily family) {
    const auto fullest = ReportCatalogue::Names(ReportCatalogue::RateGroup(family, 0));
    if (fullest.size() != table.size()) return false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (StemOf(fullest[i], 0) != table[i].stem) return false;
    }
    for (int rate = 1; rate < TaxRateClasses::kCount; ++rate) {
        for (std::string_view name : ReportCatalogue::Names(ReportCatalogue::RateGroup(family, rate))) {
            if (Find(table, StemOf(name, rate)) == nullptr) return false;
        }
    }
    return true;
}

// Opens the group, hands each of its elements to write(name, entry) in order, closes it.
template <typename WriteElement>
int WriteGroup(DataSectionWriter& data, const DataGroup& group, std::span<const RateFigure> table,
               WriteElement write) {
    data.OpenGroup(group);
    for (std::string_view name : ReportCatalogue::Names(group)) {
        write(name, *Find(table, StemOf(name, group.ratePosition)));
    }
    return data.CloseGroup();
}

}  // namespace RateFigureTable

// The groups by business category (taxable sales, returns on them): three elements per
// category 1 to 6 in order, then the three without a category, then the exempt figure.
namespace BusinessGroupLayout {

inline constexpr int kCategories = 6;
inline constexpr int kAmounts = 3;  // excluding tax, tax, including tax
inline constexpr std::size_t kNoCategoryFirst = kCategories * kAmounts;
inline constexpr std::size_t kExempt = kNoCategoryFirst + kAmounts;

// category 0 to 5, amount 0 excluding tax, 1 tax, 2 including tax.
constexpr std::string_view CategoryName(const DataGroup& group, int category, int amount) {
    return ReportCatalogue::Names(group)[static_cast<std::size_t>(category * kAmounts + amount)];
}
constexpr std::string_view NoCategoryName(const DataGroup& group, int amount) {
    return ReportCatalogue::Names(group)[kNoCategoryFirst + static_cast<std::size_t>(amount)];
}
constexpr std::string_view ExemptName(const DataGroup& group) { return ReportCatalogue::Names(group)[kExempt]; }

}  // namespace BusinessGroupLayout

static_assert(ReportCatalogue::RateGroup(DataFamily::BusinessSales, 0).count == BusinessGroupLayout::kExempt + 1);
static_assert(BusinessGroupLayout::CategoryName(ReportCatalogue::RateGroup(DataFamily::BusinessSales, 1), 5, 2) ==
              "KAZEIURIAGE6SHUZEIKOMI8K");
static_assert(BusinessGroupLayout::NoCategoryName(ReportCatalogue::RateGroup(DataFamily::BusinessReturns, 4), 0) ==
              "KAZEIHENKANZEROZEINUKI3");
static_assert(BusinessGroupLayout::ExemptName(ReportCatalogue::RateGroup(DataFamily::BusinessReturns, 0)) ==
              "MENZEIURIAGEHENKANZEINUKI10");
