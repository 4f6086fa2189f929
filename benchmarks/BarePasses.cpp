#include "benchmarks/BarePasses.h"

#include "aggregate/AccountClasses.h"
#include "aggregate/AssetDateCondition.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/DepartmentTotals.h"
#include "aggregate/RefundJournalPass.h"
#include "aggregate/TaxCategory.h"
#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/ClSetBumon.h"

namespace {

void FetchAccountTotals(ClRuleKamoku& rule, AggregationContext& context, const StBUMONINFO* department,
                        bool ownTotals) {
    rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period,
                   ownTotals ? ClRuleKamoku::_RuleKamokuSumType_Bmn_Department
                             : ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                   ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, context.monthCondition.Info(), department,
                   ClRuleKamoku::_RuleKamokuSumType_Past_Current);
    for (;;) {
        StKAMOKUSUMINFO record{};
        if (rule.MoveNext(&record) != 0) break;
    }
    rule.MoveFinish();
}

// The window of the chosen months, from the first day of the first to the last of the last.
AssetDateCondition AssetWindow(ClAccPeriod* period, const AggregationContext& context) {
    return AssetDateCondition(DaysOfMonthKind(period, context.monthCondition.items[0].value.shortValue).first,
                              DaysOfMonthKind(period, context.monthCondition.items[1].value.shortValue).last);
}

void FetchAssets(ClRuleGenkashokyaku& rule, const AssetDateCondition& window) {
    rule.MoveReady(window.Info(), ClRuleGenkashokyaku::_RuleGenkashokyaku_SortType_Register,
                   ClRuleGenkashokyaku::_RuleGenkashokyaku_MoveReady_SumType_None);
    std::int32_t count = 0;
    rule.GetCount(count);
    for (std::int32_t position = 0; position < count; ++position) {
        StKOTEISHISANINFO asset{};
        StKOTEINENINFO yearly{};
        StKOTEITSUKIINFO monthly{};
        if (rule.Move(position, &asset, &yearly, &monthly) != 0) break;
    }
    rule.MoveFinish();
}

}  // namespace

// The corporation's rule objects are the context's, as the aggregation's are: made here,
// released with the context.
void BareCorporatePass(AggregationContext& context) {
    EnsureRule(context.accountRule);
    ClRuleKamoku* accountRule = context.accountRule.get();
    accountRule->MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period,
                           ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                           ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, context.monthCondition.Info(), nullptr,
                           ClRuleKamoku::_RuleKamokuSumType_Past_Current);
    std::int32_t count = 0;
    accountRule->GetSumCount(count);
    accountRule->SetMovePos(0);
    for (std::int32_t i = 0; i < count; ++i) {
        StKAMOKUSUMINFO record{};
        if (accountRule->MoveNext(&record) != 0) break;
    }
    accountRule->MoveFinish();

    const StSHOHIZEIINFO settings{};
    RefundJournalPass journal(context, settings);
    journal.Start(AccountSelection::Corporate, AccountClasses::CorporateSetOf);
    for (std::uint32_t i = 0; i < journal.LineCount(); ++i) {
        StSWKTINFO line{};
        if (journal.Rule().MoveNext(&line) != 0) break;
    }
    journal.Rule().MoveFinish();

    EnsureRule(context.assetRule);
    const std::unique_ptr<ClAccPeriod> period = SelectedAccountingPeriod();
    FetchAssets(*context.assetRule, AssetWindow(period.get(), context));
}

void BareIndividualPass(AggregationContext& context) {
    auto* departments = SetManagerSetObject<SetObject::Departments>();
    std::int32_t departmentCount = 0;
    departments->GetBmnCount(departmentCount, 0);
    ClSetBase::CursorHandle cursor = 0;
    departments->GetCursor(cursor);
    departments->ReadyCursor(cursor);
    for (;;) {
        StBUMONINFO department{};
        if (departments->Walk(&department, cursor) != 0) break;
        const auto rule = NewBoundRule<ClRuleKamoku>();
        FetchAccountTotals(*rule, context, &department, DepartmentTotals::AreItsOwn(department));
    }
    departments->ReleaseCursor(cursor);

    const StSHOHIZEIINFO settings{};
    RefundJournalPass journal(context, settings);
    journal.Start(AccountSelection::Individual, AccountClasses::IndividualSetOf);
    departments = SetManagerSetObject<SetObject::Departments>();
    departments->GetCursor(cursor);
    departments->GetBmnCount(departmentCount, 0);
    for (std::uint32_t i = 0; i < journal.LineCount(); ++i) {
        StSWKTINFO line{};
        if (journal.Rule().MoveNext(&line) != 0) break;
        // The aggregation's visits of the line's nodes, with only their department lookups.
        journal.Index().ForEachSide(line, NotTaxablePurchaseCategory(line.debit.taxCategory),
                                    NotTaxablePurchaseCategory(line.credit.taxCategory), [&](int, bool isDebit) {
            const StSWKSIDE& side = isDebit ? line.debit : line.credit;
            StBUMONINFO department{};
            departments->ReadyCursor(cursor);
            departments->GetInfoByCode(side.department, &department, cursor);
        });
    }
    journal.Rule().MoveFinish();
    departments->ReleaseCursor(cursor);

    const std::unique_ptr<ClAccPeriod> period = SelectedAccountingPeriod();
    const AssetDateCondition window = AssetWindow(period.get(), context);
    const auto assetRule = NewBoundRule<ClRuleGenkashokyaku>();
    FetchAssets(*assetRule, window);
}
