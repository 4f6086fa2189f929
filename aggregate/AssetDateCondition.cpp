#include "aggregate/AssetDateCondition.h"

namespace {

StFINDITEM DateBound(std::int16_t comparison, std::int32_t day, std::int16_t connector) {
    StFINDITEM item{};
    item.field = FindCode::FieldAssetDate;
    item.comparison = comparison;
    item.valueType = FindCode::TypeCategoryOrDate;
    item.value.longValue = day;
    item.connector = connector;
    return item;
}

}  // namespace

AssetDateCondition::AssetDateCondition(std::int32_t firstDay, std::int32_t lastDay) {
    record_.items[0] = DateBound(FindCode::AtLeast, firstDay, FindCode::LinkAnd);
    record_.items[1] = DateBound(FindCode::AtMost, lastDay, FindCode::LinkEnd);
}
