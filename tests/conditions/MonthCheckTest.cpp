// The month check: every start and end month against an acceptance rule of its own, then the
// rule and focus of the cases a user meets.
#include "conditions/MonthCheck.h"

#include <gtest/gtest.h>

namespace {

const FiscalYear kAprilToMarch{4, 103};
const FiscalYear kJanuaryToDecember{1, 12};
const FiscalYear kOctoberToMarch{10, 103};  // a short year across the turn of the year

// The months of the year in their order; a month outside it has no place.
int PlaceInYear(const FiscalYear& year, int month) {
    int place = 0;
    for (int m = year.firstMonth;; m = m % 12 + 1, ++place) {
        if (m == month) return place;
        if (m == year.LastCalendarMonth()) return -1;
    }
}

bool Acceptable(const FiscalYear& year, int start, int end) {
    if (start < 1 || start > 12 || end < 1 || end > 12) return false;
    const int startPlace = PlaceInYear(year, start);
    const int endPlace = PlaceInYear(year, end);
    return startPlace >= 0 && endPlace >= 0 && startPlace <= endPlace;
}

TEST(MonthCheck, EveryPairAgreesWithTheOrderOfTheYear) {
    for (const FiscalYear& year : {kAprilToMarch, kJanuaryToDecember, kOctoberToMarch}) {
        for (int start = 0; start <= 13; ++start) {
            for (int end = 0; end <= 13; ++end) {
                const MonthCheckResult result = CheckMonths(year, start, end);
                EXPECT_EQ(result.Accepted(), Acceptable(year, start, end))
                    << "year " << year.firstMonth << "-" << year.lastMonth << ", months " << start << "-" << end
                    << ", rule " << result.rule;
                EXPECT_EQ(result.Accepted(), result.focus == MonthField::None);
            }
        }
    }
}

TEST(MonthCheck, EachRuleNamesItsEdit) {
    const struct {
        FiscalYear year;
        int start, end, rule;
        MonthField focus;
    } cases[] = {
        {kAprilToMarch, 0, 3, 1, MonthField::Start},  // an empty start text
        {kAprilToMarch, 13, 3, 1, MonthField::Start},
        {kAprilToMarch, 4, 0, 2, MonthField::End},
        {kAprilToMarch, 4, 13, 2, MonthField::End},
        {FiscalYear{4, 12}, 3, 12, 3, MonthField::Start},
        {FiscalYear{1, 9}, 1, 10, 4, MonthField::Start},
        {kJanuaryToDecember, 12, 1, 5, MonthField::Start},
        {kAprilToMarch, 11, 10, 6, MonthField::End},
        {kAprilToMarch, 2, 5, 7, MonthField::End},
        {kAprilToMarch, 3, 2, 7, MonthField::End},
        {kOctoberToMarch, 5, 12, 8, MonthField::Start},
        {kOctoberToMarch, 11, 6, 9, MonthField::Start},
    };
    for (const auto& c : cases) {
        const MonthCheckResult result = CheckMonths(c.year, c.start, c.end);
        EXPECT_EQ(result.rule, c.rule) << c.start << "-" << c.end;
        EXPECT_EQ(result.focus, c.focus) << c.start << "-" << c.end;
    }
}

}  // namespace
