#include "conditions/MonthCondition.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const FiscalYear kAprilToMarch{4, 103};
const FiscalYear kJanuaryToDecember{1, 12};

struct Item {
    int field, comparison, type, value, connector;
    bool operator==(const Item&) const = default;
};

std::vector<Item> Items(const MonthConditionRecord& record) {
    std::vector<Item> items;
    for (const StFINDITEM& item : record.items) {
        if (item.field == 0) break;
        items.push_back({item.field, item.comparison, item.valueType, item.value.shortValue, item.connector});
    }
    return items;
}

MonthConditionRecord Build(const FiscalYear& year, int start, int end, int interim = 0) {
    MonthConditionRecord record;
    BuildMonthCondition(record, year, start, end, interim);
    return record;
}

TEST(MonthCondition, WholeCrossingYearReachesTheYearEndClosing) {
    EXPECT_EQ(Items(Build(kAprilToMarch, 4, 3)),
              (std::vector<Item>{{17, 4, 2, 1, 1}, {17, 6, 2, 12, 2}, {17, 1, 2, 18, 0}}));
}

TEST(MonthCondition, FirstHalfTakesTheInterimClosingOnlyWithTheSetting) {
    EXPECT_EQ(Items(Build(kAprilToMarch, 4, 9)), (std::vector<Item>{{17, 4, 2, 1, 1}, {17, 6, 2, 6, 0}}));
    EXPECT_EQ(Items(Build(kAprilToMarch, 4, 9, 1)),
              (std::vector<Item>{{17, 4, 2, 1, 1}, {17, 6, 2, 6, 2}, {17, 1, 2, 15, 0}}));
}

TEST(MonthCondition, PositionsCountFromTheFirstMonthAcrossTheTurnOfTheYear) {
    EXPECT_EQ(GetMonthPositions(kAprilToMarch, 1, 2).first, 10);
    EXPECT_EQ(GetMonthPositions(kAprilToMarch, 1, 2).last, 11);
    EXPECT_EQ(GetMonthPositions(kAprilToMarch, 10, 12).first, 7);
    EXPECT_EQ(GetMonthPositions(kAprilToMarch, 10, 12).last, 9);
}

TEST(MonthCondition, CalendarYear) {
    EXPECT_EQ(Items(Build(kJanuaryToDecember, 1, 12)),
              (std::vector<Item>{{17, 4, 2, 1, 1}, {17, 6, 2, 12, 2}, {17, 1, 2, 18, 0}}));
    EXPECT_EQ(Items(Build(kJanuaryToDecember, 3, 6, 1)),
              (std::vector<Item>{{17, 4, 2, 3, 1}, {17, 6, 2, 6, 2}, {17, 1, 2, 15, 0}}));
}

TEST(MonthCondition, RecordIsZeroedBeforeItIsWritten) {
    MonthConditionRecord record;
    std::memset(&record, 0xAB, sizeof record);
    BuildMonthCondition(record, kJanuaryToDecember, 2, 5, 0);
    EXPECT_EQ(record.head[0], 0);
    EXPECT_EQ(record.items[0].side, 0);
    const StFINDITEM* subChain = record.items[0].subChain;
    EXPECT_EQ(subChain, nullptr);
    EXPECT_EQ(record.items[2].field, 0);
}

}  // namespace
