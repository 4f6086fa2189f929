#include "benchmarks/BarePasses.h"

#include "aggregate/AccountClasses.h"
#include "aggregate/AccountList.h"
#include "aggregate/AccountListIndex.h"
#include "aggregate/AssetDateCondition.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/NotTaxablePurchaseCondition.h"
#include "aggregate/TaxCategory.h"
#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/ClRuleShiwake.h"
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

void FetchAssets(AggregationContext& context) {
    const std::unique_ptr<ClAccPeriod> period = SelectedAccountingPeriod();
    const AssetDateCondition window(DaysOfMonthKind(period.get(), context.monthCondition.items[0].value.shortValue).first,
                                    DaysOfMonthKind(period.get(), context.monthCondition.items[1].value.shortValue).last);
    const auto rule = NewBoundRule<ClRuleGenkashokyaku>();
    rule->MoveReady(window.Info(), ClRuleGenkashokyaku::_RuleGenkashokyaku_SortType_Register,
                    ClRuleGenkashokyaku::_RuleGenkashokyaku_MoveReady_SumType_None);
    std::int32_t count = 0;
    rule->GetCount(count);
    for (std::int32_t position = 0; position < count; ++position) {
        StKOTEISHISANINFO asset{};
        StKOTEINENINFO yearly{};
        StKOTEITSUKIINFO monthly{};
        if (rule->Move(position, &asset, &yearly, &monthly) != 0) break;
    }
    rule->MoveFinish();
}

// The sets of the individual journal pass: a node of another class takes no lookup.
int IndividualSetOf(std::uint32_t accountClass) {
    if (AccountClasses::Contains(AccountClasses::kIndividualPurchase, accountClass)) return 0;
    if (AccountClasses::Contains(AccountClasses::kIndividualExpense, accountClass)) return 1;
    return -1;
}

}  // namespace

void BareCorporatePass(AggregationContext& context) {
    const auto accountRule = NewBoundRule<ClRuleKamoku>();
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

    BuildAccountList(context, AccountSelection::Corporate);
    const auto journalRule = NewBoundRule<ClRuleShiwake>();
    const NotTaxablePurchaseCondition condition(context);
    std::uint32_t lines = 0;
    journalRule->GetSwkCount(condition.Info(), nullptr, lines);
    journalRule->MoveReady(condition.Info(), nullptr, nullptr, _ECursorType_Forward);
    for (std::uint32_t i = 0; i < lines; ++i) {
        StSWKTINFO line{};
        if (journalRule->MoveNext(&line) != 0) break;
    }
    journalRule->MoveFinish();

    FetchAssets(context);
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
        FetchAccountTotals(*rule, context, &department,
                           department.departmentClass == 1 || department.departmentClass == 2);
    }
    departments->ReleaseCursor(cursor);

    const auto journalRule = NewBoundRule<ClRuleShiwake>();
    BuildAccountList(context, AccountSelection::Individual);
    const AccountListIndex index(context.accountList, IndividualSetOf);
    const NotTaxablePurchaseCondition condition(context);
    std::uint32_t lines = 0;
    journalRule->GetSwkCount(condition.Info(), nullptr, lines);
    journalRule->MoveReady(condition.Info(), nullptr, nullptr, _ECursorType_Forward);
    departments = SetManagerSetObject<SetObject::Departments>();
    departments->GetCursor(cursor);
    departments->GetBmnCount(departmentCount, 0);
    for (std::uint32_t i = 0; i < lines; ++i) {
        StSWKTINFO line{};
        if (journalRule->MoveNext(&line) != 0) break;
        // The aggregation's visits of the line's nodes, with only their department lookups.
        index.ForEachSide(line, [&](int, bool isDebit) {
            const StSWKSIDE& side = isDebit ? line.debit : line.credit;
            if (!NotTaxablePurchaseCategory(side.taxCategory)) return;
            StBUMONINFO department{};
            departments->ReadyCursor(cursor);
            departments->GetInfoByCode(side.department, &department, cursor);
        });
    }
    journalRule->MoveFinish();
    departments->ReleaseCursor(cursor);

    FetchAssets(context);
}
