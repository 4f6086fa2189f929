#include "app/TargetChecks.h"

#include "aggregate/BusinessCategory.h"
#include "aggregate/CoreObjects.h"
#include "app/StatusRecord.h"
#include "core_api/ClRuleShiwake.h"


namespace {

constexpr int kCreateLine = 4008;
constexpr int kCountLine = 4018;
constexpr std::int32_t kFirstImportCategory = 31;
constexpr std::int32_t kLastImportCategory = 37;

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
    auto rule = NewBoundRule<ClRuleShiwake>();
    if (!rule) return RecordStatus(kRuleNotCreated, StatusPlace::kAddTax, kCreateLine);
    const std::int32_t status =
        rule->CheckExistSwkByJigyoBunrui(context.monthCondition.Info(), BusinessCategories::kSixth, count);
    rule.reset();
    return RecordStatus(status, StatusPlace::kAddTax, kCountLine);
}

bool HasUndeterminedImportTax(AggregationContext& context) {
    auto rule = NewBoundRule<ClRuleShiwake>();
    if (!rule) return false;
    const ImportTaxCondition condition(context);
    std::uint32_t count = 0;
    const std::int32_t status = rule->GetSwkCount(condition.top.Info(), nullptr, count);
    return status == 0 && count != 0;
}
