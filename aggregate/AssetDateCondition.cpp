#include "aggregate/AssetDateCondition.h"

namespace {

StFINDITEM DateBound(std::int16_t comparison, std::int32_t day, std::int16_t connector) {
    return FindItem::Compare(FindCode::FieldAssetDate, 0, comparison, FindCode::TypeCategoryOrDate, day, connector);
}

}  // namespace

AssetDateCondition::AssetDateCondition(std::int32_t firstDay, std::int32_t lastDay) {
    record_.items[0] = DateBound(FindCode::AtLeast, firstDay, FindCode::LinkAnd);
    record_.items[1] = DateBound(FindCode::AtMost, lastDay, FindCode::LinkEnd);
}
