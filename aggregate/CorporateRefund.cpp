// A corporation's refund statement: book totals from the account totals, the not-taxable
// purchases from the journal, acquisitions from the fixed-asset register.
#include "aggregate/AccountClasses.h"
#include "aggregate/Accumulate.h"
#include "aggregate/AssetDateCondition.h"
#include "aggregate/ChosenMonths.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/EntityKind.h"
#include "aggregate/PeriodNet.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/RefundJournalPass.h"
#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/CoreStatus.h"

#include <algorithm>

namespace {

constexpr std::int16_t kYearEndClosing = 18;
constexpr int kInterimSlot = 14;
constexpr std::int32_t kDeferredAsset = 9;

// The statement's four profit-and-loss lines, as the journal pass numbers them.
RefundLine& LineOf(TaxTotals& totals, int set) {
    using namespace AccountClasses;
    switch (set) {
    case GoodsPurchases: return totals.goodsPurchases;
    case AdminExpenses: return totals.adminExpenses;
    case NonOperatingExpenses: return totals.nonOperatingExpenses;
    default: return totals.otherProfitLoss;
    }
}

// The book total of a line is its total line's, except for goods purchases, whose member
// accounts count and whose total line is the purchases of the period.
RefundLine* BookTotalLine(TaxTotals& totals, const StKAMOKUSUMINFO& record) {
    using namespace AccountClasses;
    const bool totalLine = record.totalLine == 1;
    switch (record.accountClass) {
    case kGoodsPurchaseTotal: return totalLine ? &totals.goodsPurchases : nullptr;
    case kAdminExpenseTotal: return totalLine ? &totals.adminExpenses : nullptr;
    case kNonOperatingTotal: return totalLine ? &totals.nonOperatingExpenses : nullptr;
    case kOtherProfitLossTotal: return totalLine ? &totals.otherProfitLoss : nullptr;
    }
    return !totalLine && Contains(kGoodsPurchase, record.accountClass) ? &totals.goodsPurchases : nullptr;
}

// The year-end closing is taken as the slot right after the last chosen month: slot 13 for a
// full year; a shorter year's closing entries (slot 13) are not seen.
SlotRange CorporateSlots(const ChosenMonths& months) {
    SlotRange slots{months.first, months.last, 0, 0};
    if (months.yearEndClosing) slots.closing = months.last + 1;
    if (months.interimClosing) slots.interim = kInterimSlot;
    return slots;
}

bool AccountPass(AggregationContext& context, TaxTotals& totals, const ChosenMonths& months,
                 const StSHOHIZEIINFO& settings) {
    if (!EnsureRule(context.accountRule)) return false;
    ClRuleKamoku& rule = *context.accountRule;
    rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period, ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                   ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, context.monthCondition.Info(), nullptr,
                   ClRuleKamoku::_RuleKamokuSumType_Past_Current);
    std::int32_t count = 0;
    if (rule.GetSumCount(count) != 0) return false;
    if (rule.SetMovePos(0) != 0) return false;
    const SlotRange slots = CorporateSlots(months);
    std::int32_t status = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        context.activity.Tick();
        StKAMOKUSUMINFO record{};
        status = rule.MoveNext(&record);
        if (status != 0) break;
        if (record.sumExcluded == 1 || record.sumExcluded2 == 1) continue;
        const SlotSums sums = SumSlots(record, slots, settings.taxIncludedBasis != 0);
        const std::int64_t net = StoredNet(sums.debit, sums.credit);
        if (RefundLine* line = BookTotalLine(totals, record)) AddTo(line->bookTotal, net);
    }
    // A failed fetch leaves the move as it is.
    if (status != 0 && status != CoreStatus::EndOfRecords) return false;
    rule.MoveFinish();
    return true;
}

bool JournalPass(AggregationContext& context, TaxTotals& totals, const StSHOHIZEIINFO& settings) {
    RefundJournalPass pass(context, settings);
    if (!pass.Start(AccountSelection::Corporate, AccountClasses::CorporateSetOf)) return false;
    // The lines by set, looked up once: the pass applies a side to one of them on every line.
    using namespace AccountClasses;
    std::int64_t* const figures[] = {&LineOf(totals, GoodsPurchases).notTaxablePurchase,
                                     &LineOf(totals, AdminExpenses).notTaxablePurchase,
                                     &LineOf(totals, NonOperatingExpenses).notTaxablePurchase,
                                     &LineOf(totals, OtherProfitLoss).notTaxablePurchase};
    return pass.ReadLines(RefundJournalPass::Ticks::PerLine,
                          [&](const NotTaxablePurchaseSide& side) { side.ApplyTo(*figures[side.set]); });
}

// The window runs from the first chosen month, never before the period, to the last chosen
// month, or the year-end closing day when that month has no days.
AssetDateCondition AssetWindow(ClAccPeriod* period, const ChosenMonths& months, const StDATAINFO& dataSet) {
    const std::int32_t periodFirst = dataSet.periodFirst;  // a copy: the record's fields are unaligned
    const std::int32_t firstDay = std::max(DaysOfMonthKind(period, months.first).first, periodFirst);
    MonthDays last = DaysOfMonthKind(period, months.last);
    if (last.status != 0 && months.yearEndClosing) last = DaysOfMonthKind(period, kYearEndClosing);
    return AssetDateCondition(firstDay, last.last);
}

bool AssetPass(AggregationContext& context, TaxTotals& totals, const ChosenMonths& months,
               const StDATAINFO& dataSet) {
    if (!EnsureRule(context.assetRule)) return false;
    ClRuleGenkashokyaku& rule = *context.assetRule;
    const std::unique_ptr<ClAccPeriod> period = SelectedAccountingPeriod();
    const AssetDateCondition window = AssetWindow(period.get(), months, dataSet);
    rule.MoveReady(window.Info(), ClRuleGenkashokyaku::_RuleGenkashokyaku_SortType_Register,
                   ClRuleGenkashokyaku::_RuleGenkashokyaku_MoveReady_SumType_None);
    std::int32_t count = 0;
    rule.GetCount(count);
    for (std::int32_t position = 0; position < count; ++position) {
        context.activity.Tick();
        StKOTEISHISANINFO asset{};
        StKOTEINENINFO yearly{};
        StKOTEITSUKIINFO monthly{};
        rule.Move(position, &asset, &yearly, &monthly);
        std::int64_t& target =
            asset.assetKind == kDeferredAsset ? totals.deferredAssetAcquisitions : totals.fixedAssetAcquisitions;
        AddTo(target, std::int64_t{asset.acquisitionCost});
    }
    rule.MoveFinish();
    return true;
}

}  // namespace

bool AggregateCorporateRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                              const StSHOHIZEIINFO& settings) {
    if (!EntityKind::IsCorporation(dataSet)) return true;
    context.activity.ResetActivity();
    const ChosenMonths months = ReadChosenMonths(context.monthCondition, dataSet);
    return AccountPass(context, totals, months, settings) && JournalPass(context, totals, settings) &&
           AssetPass(context, totals, months, dataSet);
}
