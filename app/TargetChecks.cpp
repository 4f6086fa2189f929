#include "app/TargetChecks.h"

#include "aggregate/BusinessCategory.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/RuleBinding.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClRuleShiwake.h"

#include <memory>
#include <new>

namespace {

constexpr const char* kLocation = "Acc_FinTax31/AddTax";
constexpr int kCreateLine = 4008;
constexpr int kCountLine = 4018;
constexpr std::int32_t kFirstImportCategory = 31;
constexpr std::int32_t kLastImportCategory = 37;

std::unique_ptr<ClRuleShiwake> MakeJournalRule() {
    std::unique_ptr<ClRuleShiwake> rule(new (std::nothrow) ClRuleShiwake());
    if (rule) BindRule(*rule, SelectedDataId());
    return rule;
}

StFINDITEM CategoryBound(std::int16_t side, std::int16_t comparison, std::int32_t category, std::int16_t connector) {
    return FindItem::Compare(FindCode::FieldTaxCategory, side, comparison, FindCode::TypeCategoryOrDate, category,
                             connector);
}

// (debit side in 31..37 or credit side in 31..37) and the chosen months.
struct ImportTaxCondition {
    explicit ImportTaxCondition(AggregationContext& context) {
        for (std::int16_t side : {1, 2}) {
            StFINDITEM* chain = side == 1 ? debit : credit;
            chain[0] = CategoryBound(side, FindCode::AtLeast, kFirstImportCategory, FindCode::LinkAnd);
            chain[1] = CategoryBound(side, FindCode::AtMost, kLastImportCategory, FindCode::LinkEnd);
        }
        sides[0] = FindItem::SubChain(debit, FindCode::LinkOr);
        sides[1] = FindItem::SubChain(credit, FindCode::LinkEnd);
        top.items[0] = FindItem::SubChain(sides, FindCode::LinkAnd);
        top.items[1] = FindItem::SubChain(context.monthCondition.items, FindCode::LinkEnd);
    }

    StFINDRECORD<2> top{};
    StFINDITEM sides[2]{};
    StFINDITEM debit[2]{};
    StFINDITEM credit[2]{};
};

}  // namespace

std::int32_t CountSixthBusinessCategory(AggregationContext& context, std::int32_t& count) {
    ClMsgMgr* messages = ClMsgMgr::Inst();
    auto rule = MakeJournalRule();
    if (!rule) return messages->SetLastError(kRuleNotCreated, kLocation, kCreateLine);
    const std::int32_t status =
        rule->CheckExistSwkByJigyoBunrui(context.monthCondition.Info(), BusinessCategories::kSixth, count);
    rule.reset();
    return messages->SetLastError(status, status != 0 ? kLocation : nullptr, status != 0 ? kCountLine : 0);
}

int CheckUndeterminedImportTax(AggregationContext& context) {
    auto rule = MakeJournalRule();
    if (!rule) return 0;
    const ImportTaxCondition condition(context);
    std::uint32_t count = 0;
    const std::int32_t status = rule->GetSwkCount(condition.top.Info(), nullptr, count);
    return status == 0 && count != 0 ? 1 : 0;
}
