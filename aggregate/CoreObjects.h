// The core objects the refund passes reach: bound rule objects made by the program, set
// objects through the set manager, the accounting period and the days of its months.
#pragma once

#include "aggregate/RuleBinding.h"
#include "core_api/ClAccPeriod.h"
#include "core_api/SetObject.h"

#include <cstdint>
#include <memory>
#include <new>

// The program's own status for a rule object that could not be made.
inline constexpr std::int32_t kRuleNotCreated = -1001;

// A new rule object bound to the selected data set; null when it cannot be allocated.
template <class Rule>
std::unique_ptr<Rule> NewBoundRule() {
    std::unique_ptr<Rule> rule(new (std::nothrow) Rule());
    if (rule) BindRule(*rule, SelectedDataId());
    return rule;
}

// Makes the context's rule object on first use; false when it cannot be allocated.
template <class Rule>
bool EnsureRule(std::unique_ptr<Rule>& rule) {
    if (!rule) rule = NewBoundRule<Rule>();
    return rule != nullptr;
}

// The accounting period of the data sets object; null when there is none or the core gives none.
std::unique_ptr<ClAccPeriod> AccountingPeriodOf(ClSetData* dataSets);
// The same through the set manager's data sets object.
std::unique_ptr<ClAccPeriod> SelectedAccountingPeriod();

struct MonthDays {
    std::int32_t status = 0;
    std::int32_t first = 0;  // both 0 when the call fails or there is no period
    std::int32_t last = 0;
};

// First and last day of a month position (1-12, 15, 18).
MonthDays DaysOfMonthKind(ClAccPeriod* period, std::int16_t monthKind);
// First and last day of the accounting month named by a calendar month (1-12).
MonthDays DaysOfCalendarMonth(ClAccPeriod* period, std::int32_t month);
