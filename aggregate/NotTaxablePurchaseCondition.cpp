#include "aggregate/NotTaxablePurchaseCondition.h"

namespace {

constexpr std::int16_t kDebitSide = 1;
constexpr std::int16_t kCreditSide = 2;
constexpr std::int32_t kFirstTaxablePurchase = 21;
constexpr std::int32_t kNotTaxablePurchase = 24;
constexpr std::int32_t kFirstImport = 30;

StFINDITEM Category(std::int16_t side, std::int16_t comparison, std::int32_t category, std::int16_t connector) {
    return FindItem::Compare(FindCode::FieldTaxCategory, side, comparison, FindCode::TypeCategoryOrDate, category,
                             connector);
}

void FillSideChain(StFINDITEM (&chain)[3], std::int16_t side) {
    chain[0] = Category(side, FindCode::LessThan, kFirstTaxablePurchase, FindCode::LinkOr);
    chain[1] = Category(side, FindCode::Equal, kNotTaxablePurchase, FindCode::LinkOr);
    chain[2] = Category(side, FindCode::AtLeast, kFirstImport, FindCode::LinkEnd);
}

}  // namespace

NotTaxablePurchaseCondition::NotTaxablePurchaseCondition(AggregationContext& context) {
    FillSideChain(debit_, kDebitSide);
    FillSideChain(credit_, kCreditSide);
    sides_[0] = FindItem::SubChain(debit_, FindCode::LinkOr);
    sides_[1] = FindItem::SubChain(credit_, FindCode::LinkEnd);
    top_.items[0] = FindItem::SubChain(sides_, FindCode::LinkAnd);
    top_.items[1] = FindItem::SubChain(context.monthCondition.items, FindCode::LinkEnd);
}
