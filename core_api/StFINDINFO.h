// Search conditions of the core: a 4-byte head followed by a chain of condition items that
// the program builds itself in zeroed memory. A field-999 item points at the first item of a
// parenthesised sub-chain; a chain ends with the item whose connector is 0.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StFINDITEM {
    std::int32_t field;       // 3 tax category, 16 account class, 17 month position, 203 asset date, 999 sub-chain
    std::int16_t side;        // tax category: 1 debit side, 2 credit side
    std::int16_t comparison;  // 1 equal, 4 at least, 5 less than, 6 at most
    std::uint8_t reserved8[2];
    std::int16_t valueType;  // 2 month, 3 category or date, 19 account class
    std::uint8_t reserved12[6];
    union {
        std::int16_t shortValue;  // months
        std::int32_t longValue;   // categories, classes, dates
    } value;
    std::uint8_t reserved22[4];
    StFINDITEM* subChain;  // field 999
    std::int16_t connector;  // 0 last item, 1 and, 2 or
    std::uint8_t reserved_tail[2];
};

struct StFINDINFO {
    std::uint8_t head[4];
    StFINDITEM items[1];  // the chain continues past the declared item
};

// A zeroed search-condition record with room for N items in one chain, built by the program.
template <int N>
struct StFINDRECORD {
    std::uint8_t head[4];
    StFINDITEM items[N];

    StFINDINFO* Info() { return reinterpret_cast<StFINDINFO*>(this); }
    const StFINDINFO* Info() const { return reinterpret_cast<const StFINDINFO*>(this); }
};

#pragma pack(pop)

namespace FindCode {
inline constexpr std::int32_t FieldTaxCategory = 3;
inline constexpr std::int32_t FieldAccountClass = 16;
inline constexpr std::int32_t FieldMonthKind = 17;
inline constexpr std::int32_t FieldAssetDate = 203;
inline constexpr std::int32_t FieldSubChain = 999;
inline constexpr std::int16_t Equal = 1;
inline constexpr std::int16_t AtLeast = 4;
inline constexpr std::int16_t LessThan = 5;
inline constexpr std::int16_t AtMost = 6;
inline constexpr std::int16_t TypeMonth = 2;
inline constexpr std::int16_t TypeCategoryOrDate = 3;
inline constexpr std::int16_t TypeAccountClass = 19;
inline constexpr std::int16_t LinkEnd = 0;
inline constexpr std::int16_t LinkAnd = 1;
inline constexpr std::int16_t LinkOr = 2;
}  // namespace FindCode

// Condition items as the program builds them, every other byte zero.
namespace FindItem {

// A field compared with a 32-bit value: a tax category (with its side), a class, a date.
inline StFINDITEM Compare(std::int32_t field, std::int16_t side, std::int16_t comparison, std::int16_t valueType,
                          std::int32_t value, std::int16_t connector) {
    StFINDITEM item{};
    item.field = field;
    item.side = side;
    item.comparison = comparison;
    item.valueType = valueType;
    item.value.longValue = value;
    item.connector = connector;
    return item;
}

// A month position, a 16-bit value.
inline StFINDITEM Month(std::int16_t comparison, std::int16_t position, std::int16_t connector) {
    StFINDITEM item{};
    item.field = FindCode::FieldMonthKind;
    item.comparison = comparison;
    item.valueType = FindCode::TypeMonth;
    item.value.shortValue = position;
    item.connector = connector;
    return item;
}

// A parenthesised sub-chain that starts at first.
inline StFINDITEM SubChain(StFINDITEM* first, std::int16_t connector) {
    StFINDITEM item{};
    item.field = FindCode::FieldSubChain;
    item.subChain = first;
    item.connector = connector;
    return item;
}

}  // namespace FindItem

static_assert(offsetof(StFINDITEM, field) == 0);
static_assert(offsetof(StFINDITEM, side) == 4);
static_assert(offsetof(StFINDITEM, comparison) == 6);
static_assert(offsetof(StFINDITEM, valueType) == 10);
static_assert(offsetof(StFINDITEM, value) == 18);
static_assert(offsetof(StFINDITEM, subChain) == 26);
static_assert(offsetof(StFINDITEM, connector) == 26 + sizeof(void*));
static_assert(offsetof(StFINDINFO, items) == 4);
static_assert(sizeof(StFINDRECORD<4>) == 4 + 4 * sizeof(StFINDITEM));
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(StFINDITEM) == 34);
#endif
