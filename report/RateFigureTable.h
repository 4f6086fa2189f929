// How the value elements of a rate group find their figures: one table per family, an entry
// per element of the family's fullest group (the 10% one) in the catalogue's order, holding
// only where the figure stands in its record. The names are the catalogue's: an element of a
// group of another rate, which lacks some elements, finds its entry at the 10% element of the
// same name without the rate suffix. The tables are checked against the catalogue at compile
// time.
#pragma once

#include "aggregate/BusinessCategory.h"
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
    std::size_t offset;  // byte position of the figure in its record
    FigureUse use = FigureUse::Amount;
};

namespace RateFigureTable {

// The figure at a byte position of a packed record.
template <typename Record>
std::int64_t Read(const Record& record, std::size_t offset) {
    std::int64_t figure;
    std::memcpy(&figure, reinterpret_cast<const unsigned char*>(&record) + offset, sizeof figure);
    return figure;
}

// The name without the suffix of the group's rate; empty when it does not end in it.
constexpr std::string_view StemOf(std::string_view name, int ratePosition) {
    const std::string_view suffix = TaxRateClasses::kAll[static_cast<std::size_t>(ratePosition)].elementSuffix;
    return name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : std::string_view{};
}

inline constexpr std::size_t kNoEntry = std::numeric_limits<std::size_t>::max();

// The position of a group's element in its family's table: that of the 10% element with the
// same stem; kNoEntry when there is none.
constexpr std::size_t EntryOf(const DataGroup& group, std::string_view name) {
    const auto fullest = ReportCatalogue::Names(ReportCatalogue::RateGroup(group.family, 0));
    const std::string_view stem = StemOf(name, group.ratePosition);
    for (std::size_t at = 0; at < fullest.size(); ++at) {
        if (StemOf(fullest[at], 0) == stem) return at;
    }
    return kNoEntry;
}

// A table of this many entries has one for each element of the family's 10% group, and every
// group of the family finds each of its elements among them.
constexpr bool Covers(std::size_t entries, DataFamily family) {
    if (ReportCatalogue::RateGroup(family, 0).count != entries) return false;
    for (int rate = 1; rate < TaxRateClasses::kCount; ++rate) {
        const DataGroup& group = ReportCatalogue::RateGroup(family, rate);
        for (std::string_view name : ReportCatalogue::Names(group)) {
            if (EntryOf(group, name) == kNoEntry) return false;
        }
    }
    return true;
}

// Opens the group, hands each of its elements to write(name, entry) in order, closes it.
template <typename WriteElement>
bool WriteGroup(DataSectionWriter& data, const DataGroup& group, std::span<const RateFigure> table,
                WriteElement write) {
    data.OpenGroup(group);
    for (std::string_view name : ReportCatalogue::Names(group)) write(name, table[EntryOf(group, name)]);
    return data.CloseGroup();
}

}  // namespace RateFigureTable

// An entry for an element that is always written empty.
inline constexpr RateFigure kEmptyFigure{std::numeric_limits<std::size_t>::max(), FigureUse::Empty};

inline constexpr std::size_t kSalesEntries = 13;
inline constexpr std::size_t kPurchaseEntries = 32;
inline constexpr std::size_t kBadDebtEntries = 6;

static_assert(RateFigureTable::Covers(kSalesEntries, DataFamily::Sales));
static_assert(RateFigureTable::Covers(kPurchaseEntries, DataFamily::Purchases));
static_assert(RateFigureTable::Covers(kBadDebtEntries, DataFamily::BadDebts));
static_assert(RateFigureTable::Covers(kBadDebtEntries, DataFamily::BusinessBadDebts));

// The sales and bad-debt families read the figures of the same names from the return rule's
// records and from the saved return: one table each, for either record.
template <typename Record, FigureUse securities = FigureUse::Amount>
inline constexpr std::array<RateFigure, kSalesEntries> kSalesFigures = {{
    {offsetof(Record, taxableSalesExcl)},
    {offsetof(Record, taxableSalesTax)},
    {offsetof(Record, taxableSalesIncl)},
    {offsetof(Record, exemptSales)},
    {offsetof(Record, securitiesSales), securities},
    {offsetof(Record, otherNonTaxableSales)},
    {offsetof(Record, nonTaxableAssetExports)},
    {offsetof(Record, salesReturnsExcl)},
    {offsetof(Record, salesReturnsTax)},
    {offsetof(Record, salesReturnsIncl)},
    {offsetof(Record, exemptSalesReturns)},
    {offsetof(Record, nonTaxableSalesReturns)},
    kEmptyFigure,  // returns of non-taxable asset exports: never reported
}};

// Bad debts, for the general return and the business-category return alike.
template <typename Record>
inline constexpr std::array<RateFigure, kBadDebtEntries> kBadDebtFigures = {{
    {offsetof(Record, badDebtsExcl)},
    {offsetof(Record, badDebtsTax)},
    {offsetof(Record, badDebtsIncl)},
    {offsetof(Record, badDebtsCollectedExcl)},
    {offsetof(Record, badDebtsCollectedTax)},
    {offsetof(Record, badDebtsCollectedIncl)},
}};

// The specified purchases and their returns (taxable, non-taxable, common each): the saved
// return holds them, the return rule computes none.
struct SpecifiedPurchaseFigures {
    std::array<RateFigure, 3> purchases;
    std::array<RateFigure, 3> returns;
};

inline constexpr SpecifiedPurchaseFigures kNoSpecifiedPurchases = {
    {kEmptyFigure, kEmptyFigure, kEmptyFigure},
    {kEmptyFigure, kEmptyFigure, kEmptyFigure},
};

// Purchases by attribution (taxable, non-taxable, common), then the import tax, then the
// returns in the same order.
template <typename Record>
constexpr std::array<RateFigure, kPurchaseEntries> PurchaseFigures(const SpecifiedPurchaseFigures& specified) {
    return {{
        {offsetof(Record, purchTaxableExcl)},
        {offsetof(Record, purchTaxableTax)},
        {offsetof(Record, purchTaxableIncl)},
        {offsetof(Record, purchNonTaxableExcl)},
        {offsetof(Record, purchNonTaxableTax)},
        {offsetof(Record, purchNonTaxableIncl)},
        {offsetof(Record, purchCommonExcl)},
        {offsetof(Record, purchCommonTax)},
        {offsetof(Record, purchCommonIncl)},
        specified.purchases[0],
        specified.purchases[1],
        specified.purchases[2],
        {offsetof(Record, importTaxTaxable)},
        {offsetof(Record, importTaxNonTaxable)},
        {offsetof(Record, importTaxCommon)},
        {offsetof(Record, importLocalTax)},
        {offsetof(Record, purchReturnsTaxableExcl)},
        {offsetof(Record, purchReturnsTaxableTax)},
        {offsetof(Record, purchReturnsTaxableIncl)},
        {offsetof(Record, purchReturnsNonTaxableExcl)},
        {offsetof(Record, purchReturnsNonTaxableTax)},
        {offsetof(Record, purchReturnsNonTaxableIncl)},
        {offsetof(Record, purchReturnsCommonExcl)},
        {offsetof(Record, purchReturnsCommonTax)},
        {offsetof(Record, purchReturnsCommonIncl)},
        specified.returns[0],
        specified.returns[1],
        specified.returns[2],
        {offsetof(Record, importRefundTaxable)},
        {offsetof(Record, importRefundNonTaxable)},
        {offsetof(Record, importRefundCommon)},
        {offsetof(Record, importLocalRefund)},
    }};
}


// The groups by business category (taxable sales, returns on them): three elements per
// category 1 to 6 in order, then the three without a category, then the exempt figure.
namespace BusinessGroupLayout {

inline constexpr int kCategories = BusinessCategories::kCount;
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

// Where the figures of a group by business category stand, each triple in the element order
// excluding tax, tax, including tax (the business records hold the including-tax figure
// first): in each business record, in the rate record (the figure the categories split) and
// the rate's exempt figure.
struct BusinessFigures {
    std::array<std::size_t, BusinessGroupLayout::kAmounts> category;
    std::array<std::size_t, BusinessGroupLayout::kAmounts> total;
    std::size_t exempt;
};

template <typename RateRecord, typename BusinessRecord>
inline constexpr BusinessFigures kBusinessSalesFigures = {
    {offsetof(BusinessRecord, salesExcl), offsetof(BusinessRecord, salesTax), offsetof(BusinessRecord, salesIncl)},
    {offsetof(RateRecord, taxableSalesExcl), offsetof(RateRecord, taxableSalesTax),
     offsetof(RateRecord, taxableSalesIncl)},
    offsetof(RateRecord, exemptSales),
};

template <typename RateRecord, typename BusinessRecord>
inline constexpr BusinessFigures kBusinessReturnFigures = {
    {offsetof(BusinessRecord, returnsExcl), offsetof(BusinessRecord, returnsTax),
     offsetof(BusinessRecord, returnsIncl)},
    {offsetof(RateRecord, salesReturnsExcl), offsetof(RateRecord, salesReturnsTax),
     offsetof(RateRecord, salesReturnsIncl)},
    offsetof(RateRecord, exemptSalesReturns),
};
