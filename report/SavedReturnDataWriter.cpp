#include "report/DataWriters.h"

#include "aggregate/DecimalAmount.h"
#include "aggregate/EntityKind.h"
#include "aggregate/ReturnFigures.h"
#include "report/DataSectionFrame.h"
#include "report/DataSectionWriter.h"
#include "report/RateFigureTable.h"
#include "report/ReportSection.h"
#include "report/RoundToYen.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace {

using S = StSaveTaxRateFigures;
using SB = StSaveTaxBusinessFigures;

// The saved securities figure is 5% of the sales: times 20 before it is rounded.
constexpr auto kSales = kSalesFigures<S, FigureUse::Securities>;
constexpr auto kBadDebts = kBadDebtFigures<S>;

constexpr auto kPurchases = PurchaseFigures<S>({
    {{{offsetof(S, specifiedPurchTaxable)}, {offsetof(S, specifiedPurchNonTaxable)}, {offsetof(S, specifiedPurchCommon)}}},
    {{{offsetof(S, specifiedReturnsTaxable)}, {offsetof(S, specifiedReturnsNonTaxable)},
      {offsetof(S, specifiedReturnsCommon)}}},
});

// Adjustments: only the saved return holds them.
constexpr RateFigure kAdjustments[] = {
    {offsetof(S, exemptionChangeTaxable)},
    {offsetof(S, exemptionChangeNonTaxable)},
    {offsetof(S, exemptionChangeCommon)},
    {offsetof(S, taxableRatioChange)},
    {offsetof(S, taxableUseConversion)},
    {offsetof(S, residentialRental)},
};

// The elements of a business-category group without a category stay empty: the saved
// return's totals are not read there.
constexpr auto kBusinessSales = kBusinessSalesFigures<S, SB>;
constexpr auto kBusinessReturns = kBusinessReturnFigures<S, SB>;

static_assert(RateFigureTable::Covers(std::size(kAdjustments), DataFamily::Adjustments));

// The refund area: KANPUH takes amounts 1-8 after its first flag and 9-14 after its second;
// KANPUK takes all sixteen after its flag.
constexpr std::size_t kSavedRefundAmounts = 16;
constexpr std::size_t kCorporateLineAmounts = 8;
constexpr std::size_t kCorporateAssetAmounts = 6;

static_assert(1 + kCorporateLineAmounts + 1 + kCorporateAssetAmounts == ReportCatalogue::CorporateRefundGroup().count);
static_assert(1 + kSavedRefundAmounts == ReportCatalogue::IndividualRefundGroup().count);

constexpr std::uint8_t kExcludesTaxFlag = 2;

std::int64_t TwentyFold(std::int64_t saved) {
    return DecimalAmount::ToStored(
        DecimalAmount::MultiplyByInteger(DecimalAmount::FromStored(saved), kSecuritiesFactor));
}

class SavedReturnSection {
public:
    SavedReturnSection(DataSectionWriter& data, const ReportFigures& figures, const StDATAINFO& dataSet)
        : data_(data), figures_(figures), dataSet_(dataSet),
          saved_(figures.SavedReturn()) {
        std::memcpy(refundAmounts_.data(), saved_.refund.amounts, sizeof saved_.refund.amounts);
    }

    // The general return's families carry values under general taxation only, the
    // business-category families only under the other methods.
    void WriteRateGroup(const DataGroup& group) {
        const bool general = figures_.taxMethod == TaxMethod::General;
        switch (group.family) {
        case DataFamily::Sales:
            return WriteFromTable(group, kSales, !general);
        case DataFamily::Purchases:
            return WriteFromTable(group, kPurchases, !general);
        case DataFamily::BadDebts:
            return WriteFromTable(group, kBadDebts, !general);
        case DataFamily::Adjustments:
            return WriteFromTable(group, kAdjustments, !general);
        case DataFamily::BusinessSales:
            return WriteByBusiness(group, kBusinessSales, general);
        case DataFamily::BusinessReturns:
            return WriteByBusiness(group, kBusinessReturns, general);
        case DataFamily::BusinessBadDebts:
            return WriteFromTable(group, kBadDebts, general);
        default:
            data_.WriteEmptyGroup(group);
        }
    }

    // Under general taxation only.
    void WriteCorporateRefund() {
        const bool applies = !EntityKind::IsIndividual(dataSet_) && figures_.taxMethod == TaxMethod::General;
        WriteStatementGroup(data_, ReportCatalogue::CorporateRefundGroup(), applies, [&](GroupNames names) {
            const std::span<const std::int64_t> amounts(refundAmounts_);
            WriteFlaggedBlock(names.first(1 + kCorporateLineAmounts), amounts.first(kCorporateLineAmounts),
                              saved_.refund.corporateFlag);
            WriteFlaggedBlock(names.subspan(1 + kCorporateLineAmounts),
                              amounts.subspan(kCorporateLineAmounts, kCorporateAssetAmounts),
                              saved_.refund.corporateAssetsFlag);
        });
    }

    // No filter by income kind here, and zero is written empty as everywhere else.
    void WriteIndividualRefund() {
        WriteStatementGroup(data_, ReportCatalogue::IndividualRefundGroup(),
                            IndividualStatementApplies(dataSet_, figures_), [&](GroupNames names) {
                                WriteFlaggedBlock(names, refundAmounts_, saved_.refund.individualFlag);
                            });
    }

private:
    // The saved-value rule: empty when the method leaves the element out, else the figure in
    // whole yen (zero written empty).
    void WriteSaved(std::string_view name, std::int64_t figure, bool leaveEmpty) {
        if (leaveEmpty) {
            data_.WriteEmpty(name);
        } else {
            data_.WriteAmount(name, RoundToYen(figure, figures_.roundingMode));
        }
    }

    void WriteFromTable(const DataGroup& group, std::span<const RateFigure> table, bool leaveEmpty) {
        const S& record = saved_.rates[group.ratePosition];
        RateFigureTable::WriteGroup(data_, group, table, [&](std::string_view name, const RateFigure& entry) {
            if (entry.use == FigureUse::Empty || leaveEmpty) {
                data_.WriteEmpty(name);
                return;
            }
            const std::int64_t figure = RateFigureTable::Read(record, entry.offset);
            // A twentyfold beyond 64 bits throws before anything of this element is written.
            WriteSaved(name, entry.use == FigureUse::Securities ? TwentyFold(figure) : figure, false);
        });
    }

    void WriteByBusiness(const DataGroup& group, const BusinessFigures& figures, bool leaveEmpty) {
        using namespace BusinessGroupLayout;
        data_.OpenGroup(group);
        for (int category = 0; category < kCategories; ++category) {
            const SB& record = saved_.business[group.ratePosition][category];
            for (int amount = 0; amount < kAmounts; ++amount) {
                const std::int64_t figure = RateFigureTable::Read(record, figures.category[amount]);
                WriteSaved(CategoryName(group, category, amount), figure, leaveEmpty);
            }
        }
        for (int amount = 0; amount < kAmounts; ++amount) data_.WriteEmpty(NoCategoryName(group, amount));
        WriteSaved(ExemptName(group), RateFigureTable::Read(saved_.rates[group.ratePosition], figures.exempt),
                   leaveEmpty);
        data_.CloseGroup();
    }

    // A flag element, then its lines: "2" when the saved flag says the amounts exclude the tax,
    // "1" otherwise, empty when none of the lines carries an amount.
    void WriteFlaggedBlock(std::span<const std::string_view> names, std::span<const std::int64_t> amounts,
                           std::uint8_t flag) {
        if (std::none_of(amounts.begin(), amounts.end(), [](std::int64_t a) { return a != 0; })) {
            data_.WriteEmpty(names[0]);
        } else {
            data_.WriteText(names[0], ReportSection::OneIf(flag != kExcludesTaxFlag));
        }
        for (std::size_t i = 0; i < amounts.size(); ++i) WriteSaved(names[1 + i], amounts[i], false);
    }

    DataSectionWriter& data_;
    const ReportFigures& figures_;
    const StDATAINFO& dataSet_;
    const StSaveTaxInfo& saved_;
    std::array<std::int64_t, kSavedRefundAmounts> refundAmounts_{};
};

}  // namespace

bool WriteSavedReturnData(XmlReportWriter& writer, const ReportFigures& figures, const StDATAINFO& dataSet) {
    DataSectionWriter data(writer);
    if (!data.OpenData()) return false;
    SavedReturnSection section(data, figures, dataSet);
    return WriteDataGroups(data, section);
}
