// Helpers of the core stand-in's tests: search conditions laid out as the program lays them
// out, and books loaded in-process.
#pragma once

#include "core_api/StFINDINFO.h"
#include "core_api/standin/StandIn.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace CoreTest {

inline StFINDITEM Item(std::int32_t field, std::int16_t side, std::int16_t comparison, std::int32_t value,
                       std::int16_t connector) {
    StFINDITEM item;
    std::memset(&item, 0, sizeof item);
    item.field = field;
    item.side = side;
    item.comparison = comparison;
    item.connector = connector;
    if (field == FindCode::FieldMonthKind) {
        item.valueType = FindCode::TypeMonth;
        item.value.shortValue = static_cast<std::int16_t>(value);
    } else {
        item.valueType = field == FindCode::FieldAccountClass ? FindCode::TypeAccountClass : FindCode::TypeCategoryOrDate;
        item.value.longValue = value;
    }
    return item;
}

inline StFINDITEM Month(std::int16_t comparison, std::int32_t value, std::int16_t connector) {
    return Item(FindCode::FieldMonthKind, 0, comparison, value, connector);
}

inline StFINDITEM Category(std::int16_t side, std::int16_t comparison, std::int32_t value, std::int16_t connector) {
    return Item(FindCode::FieldTaxCategory, side, comparison, value, connector);
}

inline StFINDITEM Sub(const StFINDITEM* chain, std::int16_t connector) {
    StFINDITEM item;
    std::memset(&item, 0, sizeof item);
    item.field = FindCode::FieldSubChain;
    item.subChain = const_cast<StFINDITEM*>(chain);
    item.connector = connector;
    return item;
}

// A search-condition record: the 4-byte head and its top chain.
class FindInfo {
public:
    FindInfo(std::initializer_list<StFINDITEM> items) : bytes_(4 + items.size() * sizeof(StFINDITEM)) {
        std::size_t at = 4;
        for (const StFINDITEM& item : items) {
            std::memcpy(bytes_.data() + at, &item, sizeof item);
            at += sizeof item;
        }
    }
    const StFINDINFO* get() const { return reinterpret_cast<const StFINDINFO*>(bytes_.data()); }
    const StFINDITEM* items() const { return get()->items; }

private:
    std::vector<unsigned char> bytes_;
};

// Month positions first..last (and the year-end closing period when yearEnd).
inline FindInfo MonthRange(std::int16_t first, std::int16_t last, bool yearEnd = false) {
    if (!yearEnd)
        return FindInfo{Month(FindCode::AtLeast, first, FindCode::LinkAnd), Month(FindCode::AtMost, last, FindCode::LinkEnd)};
    return FindInfo{Month(FindCode::AtLeast, first, FindCode::LinkAnd), Month(FindCode::AtMost, last, FindCode::LinkOr),
                    Month(FindCode::Equal, 18, FindCode::LinkEnd)};
}

inline void Load(const std::string& json) { StandIn::LoadBooksText(json); }

inline std::int64_t Yen(std::int64_t yen) { return yen * 10000; }

}  // namespace CoreTest
