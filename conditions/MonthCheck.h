// The check of the months chosen in the conditions dialog against the fiscal year.
#pragma once

#include "conditions/FiscalYear.h"

enum class MonthField { None, Start, End };

struct MonthCheckResult {
    int rule = 0;                          // the failed rule, 1 to 9; 0 when accepted
    MonthField focus = MonthField::None;   // the edit that takes the focus after a failure

    bool Accepted() const { return rule == 0; }
};

// S and E are the decimal values of the month texts (0 for an empty text). The rules are
// tried in order and the first that matches fails.
MonthCheckResult CheckMonths(const FiscalYear& year, int startMonth, int endMonth);
