#include "core_api/SetObject.h"
#include "report/DataWriters.h"

#include "aggregate/DecimalAmount.h"
#include "core_api/ClDataMgr.h"
#include "report/DataSectionFrame.h"
#include "report/DataSectionWriter.h"
#include "aggregate/EntityKind.h"
#include "report/RateFigureTable.h"
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

// Purchases: the return rule computes no specified purchases.
constexpr RateFigure kPurchases[] = {
    {"SHIIREKAZEIZEINUKI", offsetof(R, purchTaxableExcl)},
    {"SHIIREKAZEIZEIGAKU", offsetof(R, purchTaxableTax)},
    {"SHIIREKAZEIZEIKOMI", offsetof(R, purchTaxableIncl)},
    {"SHIIREHIKAZEIZEINUKI", offsetof(R, purchNonTaxableExcl)},
    {"SHIIREHIKAZEIZEIGAKU", offsetof(R, purchNonTaxableTax)},
    {"SHIIREHIKAZEIZEIKOMI", offsetof(R, purchNonTaxableIncl)},
    {"SHIIREKYOTUUZEINUKI", offsetof(R, purchCommonExcl)},
    {"SHIIREKYOTUUZEIGAKU", offsetof(R, purchCommonTax)},
    {"SHIIREKYOTUUZEIKOMI", offsetof(R, purchCommonIncl)},
    EmptyFigure("TOKUTEISHIIREKAZEIZEINUKI"),
    EmptyFigure("TOKUTEISHIIREHIKAZEIZEINUKI"),
    EmptyFigure("TOKUTEISHIIREKYOTUUZEINUKI"),
    {"YUNYUSHIIREKAZEIZEIGAKU", offsetof(R, importTaxTaxable)},
    {"YUNYUSHIIREHIKAZEIZEIGAKU", offsetof(R, importTaxNonTaxable)},
    {"YUNYUSHIIREKYOTUUZEIGAKU", offsetof(R, importTaxCommon)},
    {"YUNYUSHIIRETIHO", offsetof(R, importLocalTax)},
    {"SHIIREHENKANKAZEIZEINUKI", offsetof(R, purchReturnsTaxableExcl)},
    {"SHIIREHENKANKAZEIZEIGAKU", offsetof(R, purchReturnsTaxableTax)},
    {"SHIIREHENKANKAZEIZEIKOMI", offsetof(R, purchReturnsTaxableIncl)},
    {"SHIIREHENKANHIKAZEIZEINUKI", offsetof(R, purchReturnsNonTaxableExcl)},
    {"SHIIREHENKANHIKAZEIZEIGAKU", offsetof(R, purchReturnsNonTaxableTax)},
    {"SHIIREHENKANHIKAZEIZEIKOMI", offsetof(R, purchReturnsNonTaxableIncl)},
    {"SHIIREHENKANKYOTUUZEINUKI", offsetof(R, purchReturnsCommonExcl)},
    {"SHIIREHENKANKYOTUUZEIGAKU", offsetof(R, purchReturnsCommonTax)},
    {"SHIIREHENKANKYOTUUZEIKOMI", offsetof(R, purchReturnsCommonIncl)},
    EmptyFigure("TOKUTEISHIIREHENKANKAZEIZEINUKI"),
    EmptyFigure("TOKUTEISHIIREHENKANHIKAZEIZEINUKI"),
    EmptyFigure("TOKUTEISHIIREHENKANKYOTUUZEINUKI"),
    {"YUNYUHENKANKAZEIZEIGAKU", offsetof(R, importRefundTaxable)},
    {"YUNYUHENKANHIKAZEIZEIGAKU", offsetof(R, importRefundNonTaxable)},
    {"YUNYUHENKANKYOTUUZEIGAKU", offsetof(R, importRefundCommon)},
    {"YUNYUHENKANTIHO", offsetof(R, importLocalRefund)},
};

static_assert(RateFigureTable::Covers(kSales, DataFamily::Sales));
static_assert(RateFigureTable::Covers(kPurchases, DataFamily::Purchases));
static_assert(RateFigureTable::Covers(kBadDebts, DataFamily::BadDebts));
static_assert(RateFigureTable::Covers(kBadDebts, DataFamily::BusinessBadDebts));

// A group by business category: where its figures stand, each triple in the element order
// excluding tax, tax, including tax (the business records hold the including-tax figure first).
struct BusinessFigures {
    std::array<std::size_t, 3> category;  // in each business record
    std::array<std::size_t, 3> total;     // in the rate record: the figure the categories split
    std::size_t exempt;                   // in the rate record
};

constexpr BusinessFigures kBusinessSales = {
    {offsetof(B, salesExcl), offsetof(B, salesTax), offsetof(B, salesIncl)},
    {offsetof(R, taxableSalesExcl), offsetof(R, taxableSalesTax), offsetof(R, taxableSalesIncl)},
    offsetof(R, exemptSales),
};

constexpr BusinessFigures kBusinessReturns = {
    {offsetof(B, returnsExcl), offsetof(B, returnsTax), offsetof(B, returnsIncl)},
    {offsetof(R, salesReturnsExcl), offsetof(R, salesReturnsTax), offsetof(R, salesReturnsIncl)},
    offsetof(R, exemptSalesReturns),
};

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

// KANPUK's lines; an element is written when the income mask shares no bit with its line mask.
struct IndividualElement {
    TotalsFigure figure;
    int lineMask;
};

constexpr int kBusinessIncomeLine = 2;
constexpr int kRealEstateLine = 1;
constexpr int kOtherIncomeLine = 3;

constexpr IndividualElement kIndividualLines[] = {
    {[](const TaxTotals& t) { return t.businessPurchases.bookTotal; }, kBusinessIncomeLine},
    {[](const TaxTotals& t) { return t.businessPurchases.notTaxablePurchase; }, kBusinessIncomeLine},
    {[](const TaxTotals& t) { return t.businessExpenses.bookTotal; }, kBusinessIncomeLine},
    {[](const TaxTotals& t) { return t.businessExpenses.notTaxablePurchase; }, kBusinessIncomeLine},
    {[](const TaxTotals& t) { return t.businessFixedAssets; }, kBusinessIncomeLine},
    {nullptr, 0},
    {[](const TaxTotals& t) { return t.realEstateExpenses.bookTotal; }, kRealEstateLine},
    {[](const TaxTotals& t) { return t.realEstateExpenses.notTaxablePurchase; }, kRealEstateLine},
    {[](const TaxTotals& t) { return t.realEstateFixedAssets; }, kRealEstateLine},
    {nullptr, 0},
    {[](const TaxTotals& t) { return t.otherPurchases.bookTotal; }, kOtherIncomeLine},
    {[](const TaxTotals& t) { return t.otherPurchases.notTaxablePurchase; }, kOtherIncomeLine},
    {[](const TaxTotals& t) { return t.otherExpenses.bookTotal; }, kOtherIncomeLine},
    {[](const TaxTotals& t) { return t.otherExpenses.notTaxablePurchase; }, kOtherIncomeLine},
    {nullptr, 0},
    {nullptr, 0},
};

static_assert(1 + std::size(kCorporateLines) + 1 + std::size(kCorporateAssets) ==
              ReportCatalogue::CorporateRefundGroup().count);
static_assert(1 + std::size(kIndividualLines) == ReportCatalogue::IndividualRefundGroup().count);

// Which of KANPUK's lines an income kind leaves out: business income only (1), real-estate
// income only (2); mixed kinds and unknown values keep every line.
int IncomeMask(std::uint8_t incomeKind) {
    switch (incomeKind) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
    case 4:
    case 5:
    case 6:
        return 4;
    default:
        return 0;
    }
}


class JournalSection {
public:
    JournalSection(DataSectionWriter& data, const ReportFigures& figures, const StDATAINFO& dataSet,
                   const StSHOHIZEIINFO& settings)
        : data_(data), figures_(figures), dataSet_(dataSet), settings_(settings),
          totals_(figures.totals != nullptr ? *figures.totals : kNoTotals) {}

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

    void WriteCorporateRefund() {
        const DataGroup& group = ReportCatalogue::CorporateRefundGroup();
        if (EntityKind::IsIndividual(dataSet_)) {
            data_.WriteEmptyGroup(group);
            return;
        }
        const auto names = ReportCatalogue::Names(group);
        data_.OpenGroup(group);
        WriteFlaggedBlock(names.subspan(0, 1 + std::size(kCorporateLines)), kCorporateLines);
        WriteFlaggedBlock(names.subspan(1 + std::size(kCorporateLines)), kCorporateAssets);
        data_.CloseGroup();
    }

    void WriteIndividualRefund() {
        const DataGroup& group = ReportCatalogue::IndividualRefundGroup();
        if (EntityKind::IsCorporation(dataSet_) || figures_.taxMethod != TaxMethod::General) {
            data_.WriteEmptyGroup(group);
            return;
        }
        const auto names = ReportCatalogue::Names(group);
        data_.OpenGroup(group);
        const bool anyFigure = std::any_of(std::begin(kIndividualLines), std::end(kIndividualLines),
                                           [&](const IndividualElement& e) { return Figure(e.figure) != 0; });
        WriteFlag(names[0], anyFigure);
        const int incomeMask = IncomeMask(dataSet_.incomeKind);
        for (std::size_t i = 0; i < std::size(kIndividualLines); ++i) {
            const IndividualElement& element = kIndividualLines[i];
            if (element.figure == nullptr || (incomeMask & element.lineMask) != 0) {
                data_.WriteEmpty(names[1 + i]);
            } else {
                data_.WriteAmount(names[1 + i], Yen(Figure(element.figure)), Zero::AsDigit);
            }
        }
        data_.CloseGroup();
    }

private:
    static constexpr TaxTotals kNoTotals{};

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
            data_.WriteText(name, settings_.taxIncludedBasis != 0 ? "1" : "2");
        }
    }

    DataSectionWriter& data_;
    const ReportFigures& figures_;
    const StDATAINFO& dataSet_;
    const StSHOHIZEIINFO& settings_;
    const TaxTotals& totals_;
};

}  // namespace

int WriteJournalData(XmlReportWriter& writer, std::string& line, const ReportFigures& figures,
                     const StDATAINFO& dataSet, const StSHOHIZEIINFO& settings) {
    DataSectionWriter data(writer, line);
    if (!data.OpenData()) return 0;
    if (DataManagerSetObject<SetObject::TaxSettings>() == nullptr) return 0;
    JournalSection section(data, figures, dataSet, settings);
    return WriteDataGroups(data, section);
}
