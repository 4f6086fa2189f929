// Which refund statement a data set's entity type stands in the way of: KANPUH is the
// corporations' statement and is left empty for individuals (3, 4), KANPUK the individuals'
// and is left empty for corporations (0, 1). Any other type (2 among them) is neither.
#pragma once

#include "core_api/StDATAINFO.h"

namespace EntityKind {

constexpr bool IsCorporation(const StDATAINFO& dataSet) { return dataSet.entityKind == 0 || dataSet.entityKind == 1; }
constexpr bool IsIndividual(const StDATAINFO& dataSet) { return dataSet.entityKind == 3 || dataSet.entityKind == 4; }

}  // namespace EntityKind
