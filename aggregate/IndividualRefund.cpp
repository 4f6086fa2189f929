// An individual's refund statement by income group: book totals per department, the
// not-taxable purchases of the journal by the department of each side, fixed assets by the
// asset's income type.
#include "aggregate/AccountClasses.h"
#include "aggregate/Accumulate.h"
#include "aggregate/AssetDateCondition.h"
#include "aggregate/ChosenMonths.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/DepartmentTotals.h"
#include "aggregate/EntityKind.h"
#include "aggregate/IncomeRouting.h"
#include "aggregate/PeriodNet.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/RefundJournalPass.h"
#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/ClSetBumon.h"
#include "core_api/CoreStatus.h"

namespace {

using AccountClasses::Expenses;
using AccountClasses::Purchases;

constexpr std::uint8_t kCreditNormal = 2;

// Real-estate income has no purchases line.
RefundLine* LineOf(TaxTotals& totals, int set, IncomeGroup group) {
    switch (group) {
    case IncomeGroup::Business: return set == Purchases ? &totals.businessPurchases : &totals.businessExpenses;
    case IncomeGroup::RealEstate: return set == Purchases ? nullptr : &totals.realEstateExpenses;
    case IncomeGroup::Other: return set == Purchases ? &totals.otherPurchases : &totals.otherExpenses;
    }
    return nullptr;
}

template <class Apply>
void ForEachLine(TaxTotals& totals, int set, const IncomeGroups& groups, Apply apply) {
    for (IncomeGroup group : kIncomeGroups) {
        if (!groups.Has(group)) continue;
        if (RefundLine* line = LineOf(totals, set, group)) apply(*line);
    }
}

// Releases a department cursor however the pass ends.
class CursorRelease {
public:
    CursorRelease(ClSetBumon& departments, ClSetBase::CursorHandle cursor)
        : departments_(departments), cursor_(cursor) {}
    ~CursorRelease() { departments_.ReleaseCursor(cursor_); }
    CursorRelease(const CursorRelease&) = delete;
    CursorRelease& operator=(const CursorRelease&) = delete;

private:
    ClSetBumon& departments_;
    ClSetBase::CursorHandle cursor_;
};

ClSetBumon* Departments() { return SetManagerSetObject<SetObject::Departments>(); }

struct Pass {
    AggregationContext& context;
    TaxTotals& totals;
    const StDATAINFO& dataSet;
    const StSHOHIZEIINFO& settings;
    ChosenMonths months;
};

void AddBookTotal(const Pass& pass, const StBUMONINFO* department, const StKAMOKUSUMINFO& record) {
    if (record.sumExcluded != 0 || record.sumExcluded2 == 1 || record.totalLine == 1) return;
    const int set = AccountClasses::IndividualSetOf(record.accountClass);
    if (set < 0) return;
    const std::int64_t net = PeriodNet(record, pass.months.first, pass.months.last, pass.settings,
                                       pass.months.yearEndClosing, pass.months.interimClosing);
    // Credit-normal accounts count with the sign of a debit-normal one.
    const std::int64_t value = record.side == kCreditNormal ? CheckedStoredDifference(0, net) : net;
    ForEachLine(pass.totals, set, RouteByIncome(pass.dataSet.incomeKind, department),
                [&](RefundLine& line) { AddTo(line.bookTotal, value); });
}

// The account totals of one department (or of the company when there is none); a rule
// object of its own for each. False when it stopped before the end of the totals.
bool DepartmentAccountPass(const Pass& pass, const StBUMONINFO* department) {
    const std::unique_ptr<ClRuleKamoku> rule = NewBoundRule<ClRuleKamoku>();
    if (!rule) return false;
    const bool ownTotals = department != nullptr && DepartmentTotals::AreItsOwn(*department);
    std::int32_t status = rule->MoveReady(
        ClRuleKamoku::_RuleKamokuSumType_Base_Period,
        ownTotals ? ClRuleKamoku::_RuleKamokuSumType_Bmn_Department : ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
        ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, pass.context.monthCondition.Info(), department,
        ClRuleKamoku::_RuleKamokuSumType_Past_Current);
    while (status == 0) {
        StKAMOKUSUMINFO record{};
        status = rule->MoveNext(&record);
        if (status == 0) AddBookTotal(pass, department, record);
    }
    rule->MoveFinish();
    return status == CoreStatus::EndOfRecords;
}

// False when the department walk cannot start; a failing department stops the walk only.
bool AccountPass(const Pass& pass) {
    ClSetBumon* departments = Departments();
    if (departments == nullptr) return false;
    std::int32_t count = 0;
    departments->GetBmnCount(count, 0);
    if (count <= 0) {
        DepartmentAccountPass(pass, nullptr);
        return true;
    }
    ClSetBase::CursorHandle cursor = 0;
    if (departments->GetCursor(cursor) != 0) return false;
    const CursorRelease release(*departments, cursor);
    if (departments->ReadyCursor(cursor) != 0) return false;
    for (;;) {
        StBUMONINFO department{};
        if (departments->Walk(&department, cursor) != 0) break;
        if (!DepartmentAccountPass(pass, &department)) break;
    }
    return true;
}

// Each side counts for the income groups of its department. Without the department object
// the departments cannot be told apart: the pass fails.
bool JournalPass(const Pass& pass) {
    RefundJournalPass journal(pass.context, pass.settings);
    if (!journal.Start(AccountSelection::Individual, AccountClasses::IndividualSetOf)) return false;
    ClSetBumon* departments = Departments();
    if (departments == nullptr) return false;
    ClSetBase::CursorHandle cursor = 0;
    departments->GetCursor(cursor);
    const CursorRelease release(*departments, cursor);
    std::int32_t departmentCount = 0;
    departments->GetBmnCount(departmentCount, 0);
    const bool departmentPresent = departmentCount > 0;
    return journal.ReadLines(RefundJournalPass::Ticks::None, [&](const NotTaxablePurchaseSide& side) {
        // Zeroed first: a code the core does not know leaves defined contents.
        StBUMONINFO department{};
        departments->ReadyCursor(cursor);
        departments->GetInfoByCode(side.side.department, &department, cursor);
        const IncomeGroups groups = RouteByIncome(pass.dataSet.incomeKind, departmentPresent ? &department : nullptr);
        ForEachLine(pass.totals, side.set, groups, [&](RefundLine& target) { side.ApplyTo(target.notTaxablePurchase); });
    });
}

void AddAsset(const Pass& pass, const StKOTEISHISANINFO& asset) {
    const std::uint8_t kind = pass.dataSet.incomeKind;
    const bool mixed = IncomeKind::IsMixed(kind);
    const std::int64_t cost = asset.acquisitionCost;
    if (kind == IncomeKind::kBusinessOnly || (mixed && (asset.incomeType == 1 || asset.incomeType == 3)))
        AddTo(pass.totals.businessFixedAssets, cost);
    if (kind == IncomeKind::kRealEstateOnly || (mixed && asset.incomeType == 2))
        AddTo(pass.totals.realEstateFixedAssets, cost);
}

// False when it stopped before the end of the register.
bool AssetPass(const Pass& pass) {
    const std::unique_ptr<ClAccPeriod> period = SelectedAccountingPeriod();
    const AssetDateCondition window(DaysOfMonthKind(period.get(), pass.months.first).first,
                                    DaysOfMonthKind(period.get(), pass.months.last).last);
    const std::unique_ptr<ClRuleGenkashokyaku> rule = NewBoundRule<ClRuleGenkashokyaku>();
    if (!rule) return false;
    std::int32_t status = rule->MoveReady(window.Info(), ClRuleGenkashokyaku::_RuleGenkashokyaku_SortType_Register,
                                          ClRuleGenkashokyaku::_RuleGenkashokyaku_MoveReady_SumType_None);
    std::int32_t count = 0;
    if (status == 0) rule->GetCount(count);
    for (std::int32_t position = 0; position < count; ++position) {
        pass.context.activity.Tick();
        StKOTEISHISANINFO asset{};
        StKOTEINENINFO yearly{};
        StKOTEITSUKIINFO monthly{};
        status = rule->Move(position, &asset, &yearly, &monthly);
        if (status != 0) break;
        AddAsset(pass, asset);
    }
    rule->MoveFinish();
    return status == 0 || status == CoreStatus::EndOfRecords;
}

}  // namespace

bool AggregateIndividualRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                               const StSHOHIZEIINFO& settings) {
    if (!EntityKind::IsIndividual(dataSet)) return true;
    context.activity.ResetActivity();
    const Pass pass{context, totals, dataSet, settings, ReadChosenMonths(context.monthCondition, dataSet)};
    return AccountPass(pass) && JournalPass(pass) && AssetPass(pass);
}
