#include "conditions/MonthCheck.h"

namespace {

bool InCalendar(int month) { return month >= 1 && month <= 12; }

MonthCheckResult Fail(int rule, MonthField focus) { return {rule, focus}; }

// Rules 3 to 5: a year within one calendar year runs F..L.
MonthCheckResult CheckWithinYear(int first, int last, int start, int end) {
    if (start < first) return Fail(3, MonthField::Start);
    if (end > last) return Fail(4, MonthField::Start);
    if (start > end) return Fail(5, MonthField::Start);
    return {};
}

// Rules 6 to 9: a year that crosses the turn of a calendar year runs F..12, 1..L.
MonthCheckResult CheckCrossingYear(int first, int last, int start, int end) {
    if (first < start && start <= 12 && end >= first && end < start) return Fail(6, MonthField::End);
    if (start >= 1 && start <= last && (end < start || end > last)) return Fail(7, MonthField::End);
    if (start > last && start < first) return Fail(8, MonthField::Start);
    if (end > last && end < first) return Fail(9, MonthField::Start);
    return {};
}

}  // namespace

MonthCheckResult CheckMonths(const FiscalYear& year, int startMonth, int endMonth) {
    if (!InCalendar(startMonth)) return Fail(1, MonthField::Start);
    if (!InCalendar(endMonth)) return Fail(2, MonthField::End);
    const int first = year.firstMonth;
    const int last = year.LastCalendarMonth();
    return year.Crosses() ? CheckCrossingYear(first, last, startMonth, endMonth)
                          : CheckWithinYear(first, last, startMonth, endMonth);
}
