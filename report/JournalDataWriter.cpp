#include "report/DataWriters.h"

#include "aggregate/DecimalAmount.h"
#include "aggregate/EntityKind.h"
#include "aggregate/IncomeRouting.h"
#include "core_api/ClDataMgr.h"
#include "core_api/SetObject.h"
#include "report/DataSectionFrame.h"
#include "report/DataSectionWriter.h"
#include "report/RateFigureTable.h"
#include "report/ReportSection.h"
#include "report/RoundToYen.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

using R = StTAXREPORTRATEINFO;
using B = StTAXREPORTBUSINESSTYPEINFO;
using Zero = DataSectionWriter::Zero;

// The securities figure is read as the return figures left it, already times 20.
constexpr auto kSales = kSalesFigures<R>;
constexpr auto kBadDebts = kBadDebtFigures<R>;

constexpr auto kPurchases = PurchaseFigures<R>(kNoSpecifiedPurchases);
constexpr auto kBusinessSales = kBusinessSalesFigures<R, B>;
constexpr auto kBusinessReturns = kBusinessReturnFigures<R, B>;

// A figure of the refund-statement aggregation; nullptr for an element always written empty.
using TotalsFigure = std::int64_t (*)(const TaxTotals&);

// KANPUH's two blocks, each after its flag: the four financial-statement lines, then the
// assets (fixed and deferred acquisitions; other assets and the second columns stay empty).
constexpr TotalsFigure kCorporateLines[] = {
    [](const TaxTotals& t) { return t.goodsPurchases.bookTotal; },
    [](const TaxTotals& t) { return t.goodsPurchases.notTaxablePurchase; },
    [](const TaxTotals& t) { return t.adminExpenses.bookTotal; },
    [](const TaxTotals& t) { return t.adminExpenses.notTaxablePurchase; },
    [](const TaxTotals& t) { return t.nonOperatingExpenses.bookTotal; },
    [](const TaxTotals& t) { return t.nonOperatingExpenses.notTaxablePurchase; },
    [](const TaxTotals& t) { return t.otherProfitLoss.bookTotal; },
    [](const TaxTotals& t) { return t.otherProfitLoss.notTaxablePurchase; },
};
constexpr TotalsFigure kCorporateAssets[] = {
    [](const TaxTotals& t) { return t.fixedAssetAcquisitions; },
    nullptr,
    [](const TaxTotals& t) { return t.deferredAssetAcquisitions; },
    nullptr,
    nullptr,
    nullptr,
};

// KANPUK's elements, each of the lines of one income group.
struct IndividualElement {
    TotalsFigure figure;
    IncomeGroup group;
};

constexpr IndividualElement kIndividualLines[] = {
    {[](const TaxTotals& t) { return t.businessPurchases.bookTotal; }, IncomeGroup::Business},
    {[](const TaxTotals& t) { return t.businessPurchases.notTaxablePurchase; }, IncomeGroup::Business},
    {[](const TaxTotals& t) { return t.businessExpenses.bookTotal; }, IncomeGroup::Business},
    {[](const TaxTotals& t) { return t.businessExpenses.notTaxablePurchase; }, IncomeGroup::Business},
    {[](const TaxTotals& t) { return t.businessFixedAssets; }, IncomeGroup::Business},
    {nullptr, IncomeGroup::Business},
    {[](const TaxTotals& t) { return t.realEstateExpenses.bookTotal; }, IncomeGroup::RealEstate},
    {[](const TaxTotals& t) { return t.realEstateExpenses.notTaxablePurchase; }, IncomeGroup::RealEstate},
    {[](const TaxTotals& t) { return t.realEstateFixedAssets; }, IncomeGroup::RealEstate},
    {nullptr, IncomeGroup::RealEstate},
    {[](const TaxTotals& t) { return t.otherPurchases.bookTotal; }, IncomeGroup::Other},
    {[](const TaxTotals& t) { return t.otherPurchases.notTaxablePurchase; }, IncomeGroup::Other},
    {[](const TaxTotals& t) { return t.otherExpenses.bookTotal; }, IncomeGroup::Other},
    {[](const TaxTotals& t) { return t.otherExpenses.notTaxablePurchase; }, IncomeGroup::Other},
    {nullptr, IncomeGroup::Other},
    {nullptr, IncomeGroup::Other},
};

static_assert(1 + std::size(kCorporateLines) + 1 + std::size(kCorporateAssets) ==
              ReportCatalogue::CorporateRefundGroup().count);
static_assert(1 + std::size(kIndividualLines) == ReportCatalogue::IndividualRefundGroup().count);

// Whether KANPUK shows an income group's lines for an income kind: a kind of one income
// shows only that income's lines; mixed kinds and unknown values show every line.
bool ShowsLinesOf(std::uint8_t incomeKind, IncomeGroup group) {
    if (incomeKind == IncomeKind::kBusinessOnly) return group == IncomeGroup::Business;
    if (incomeKind == IncomeKind::kRealEstateOnly) return group == IncomeGroup::RealEstate;
    return true;
}

class JournalSection {
public:
    JournalSection(DataSectionWriter& data, const ReportFigures& figures, const StDATAINFO& dataSet,
                   const StSHOHIZEIINFO& settings)
        : data_(data), figures_(figures), dataSet_(dataSet), settings_(settings),
          totals_(figures.Totals()) {}

    void WriteRateGroup(const DataGroup& group) {
        switch (group.family) {
        case DataFamily::Sales:
            return WriteFromTable(group, kSales);
        case DataFamily::Purchases:
            return WriteFromTable(group, kPurchases);
        case DataFamily::BadDebts:
        case DataFamily::BusinessBadDebts:
            return WriteFromTable(group, kBadDebts);
        case DataFamily::BusinessSales:
            return WriteByBusiness(group, kBusinessSales);
        case DataFamily::BusinessReturns:
            return WriteByBusiness(group, kBusinessReturns);
        default:  // the return rule computes no adjustments
            data_.WriteEmptyGroup(group);
        }
    }

    // Whatever the tax method, unlike the saved return's.
    void WriteCorporateRefund() {
        WriteStatementGroup(data_, ReportCatalogue::CorporateRefundGroup(), !EntityKind::IsIndividual(dataSet_),
                            [&](GroupNames names) {
                                WriteFlaggedBlock(names.first(1 + std::size(kCorporateLines)), kCorporateLines);
                                WriteFlaggedBlock(names.subspan(1 + std::size(kCorporateLines)), kCorporateAssets);
                            });
    }

    void WriteIndividualRefund() {
        WriteStatementGroup(data_, ReportCatalogue::IndividualRefundGroup(),
                            IndividualStatementApplies(dataSet_, figures_),
                            [&](GroupNames names) { WriteIndividualLines(names); });
    }

private:
    void WriteIndividualLines(GroupNames names) {
        const bool anyFigure = std::any_of(std::begin(kIndividualLines), std::end(kIndividualLines),
                                           [&](const IndividualElement& e) { return Figure(e.figure) != 0; });
        WriteFlag(names[0], anyFigure);
        for (std::size_t i = 0; i < std::size(kIndividualLines); ++i) {
            const IndividualElement& element = kIndividualLines[i];
            if (element.figure == nullptr || !ShowsLinesOf(dataSet_.incomeKind, element.group)) {
                data_.WriteEmpty(names[1 + i]);
            } else {
                data_.WriteAmount(names[1 + i], Yen(Figure(element.figure)), Zero::AsDigit);
            }
        }
    }

    std::int64_t Yen(std::int64_t amount) const { return RoundToYen(amount, figures_.roundingMode); }
    std::int64_t Figure(TotalsFigure figure) const { return figure != nullptr ? figure(totals_) : 0; }

    // The rate record of a rate position; records the arrays lack read as zero.
    const R& RateRecord(int position) const {
        static constexpr R kNoFigures{};
        const auto at = static_cast<std::size_t>(position);
        return at < figures_.rates.size() ? figures_.rates[at] : kNoFigures;
    }
    const B& BusinessRecord(int position, int category) const {
        static constexpr B kNoFigures{};
        const auto at = static_cast<std::size_t>(position * BusinessGroupLayout::kCategories + category);
        return at < figures_.businessTypes.size() ? figures_.businessTypes[at] : kNoFigures;
    }

    void WriteFromTable(const DataGroup& group, std::span<const RateFigure> table) {
        const R& record = RateRecord(group.ratePosition);
        RateFigureTable::WriteGroup(data_, group, table, [&](std::string_view name, const RateFigure& entry) {
            if (entry.use == FigureUse::Empty) {
                data_.WriteEmpty(name);
            } else {
                data_.WriteAmount(name, Yen(RateFigureTable::Read(record, entry.offset)));
            }
        });
    }

    // Categories 1 to 6, then what the rate's figure holds beyond them (taken before rounding,
    // so it may differ from the written total minus the written categories, and may be
    // negative), then the exempt figure.
    void WriteByBusiness(const DataGroup& group, const BusinessFigures& figures) {
        using namespace BusinessGroupLayout;
        const R& rate = RateRecord(group.ratePosition);
        std::array<DecimalAmount, kAmounts> categorised{};
        data_.OpenGroup(group);
        for (int category = 0; category < kCategories; ++category) {
            const B& record = BusinessRecord(group.ratePosition, category);
            for (int amount = 0; amount < kAmounts; ++amount) {
                const std::int64_t figure = RateFigureTable::Read(record, figures.category[amount]);
                categorised[amount] = DecimalAmount::AddToStored(figure, categorised[amount]);
                data_.WriteAmount(CategoryName(group, category, amount), Yen(figure));
            }
        }
        for (int amount = 0; amount < kAmounts; ++amount) {
            const std::int64_t total = RateFigureTable::Read(rate, figures.total[amount]);
            const std::int64_t rest =
                DecimalAmount::ToStored(DecimalAmount::SubtractFromStored(total, categorised[amount]));
            data_.WriteAmount(NoCategoryName(group, amount), Yen(rest));
        }
        data_.WriteAmount(ExemptName(group), Yen(RateFigureTable::Read(rate, figures.exempt)));
        data_.CloseGroup();
    }

    // A flag element, then its lines: the flag tells whether the amounts include the tax, and
    // is empty when none of the lines carries an amount.
    void WriteFlaggedBlock(std::span<const std::string_view> names, std::span<const TotalsFigure> lines) {
        WriteFlag(names[0], std::any_of(lines.begin(), lines.end(), [&](TotalsFigure f) { return Figure(f) != 0; }));
        for (std::size_t i = 0; i < lines.size(); ++i) data_.WriteAmount(names[1 + i], Yen(Figure(lines[i])));
    }

    void WriteFlag(std::string_view name, bool anyFigure) {
        if (!anyFigure) {
            data_.WriteEmpty(name);
        } else {
            data_.WriteText(name, ReportSection::OneIf(settings_.taxIncludedBasis != 0));
        }
    }

    DataSectionWriter& data_;
    const ReportFigures& figures_;
    const StDATAINFO& dataSet_;
    const StSHOHIZEIINFO& settings_;
    const TaxTotals& totals_;
};

}  // namespace

bool WriteJournalData(XmlReportWriter& writer, const ReportFigures& figures, const StDATAINFO& dataSet,
                      const StSHOHIZEIINFO& settings) {
    DataSectionWriter data(writer);
    if (!data.OpenData()) return false;
    if (DataManagerSetObject<SetObject::TaxSettings>() == nullptr) return false;
    JournalSection section(data, figures, dataSet, settings);
    return WriteDataGroups(data, section);
}
