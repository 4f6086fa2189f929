#include "aggregate/CoreObjects.h"

namespace {

// What a failed period call answers here; the callers only tell 0 from the rest.
constexpr std::int32_t kNoPeriod = -1;

// One lookup of the days of a month; a failed one leaves both days 0.
template <class Lookup>
MonthDays DaysBy(ClAccPeriod* period, Lookup lookup) {
    MonthDays days;
    if (period == nullptr) {
        days.status = kNoPeriod;
        return days;
    }
    days.status = lookup(*period, days);
    if (days.status != 0) days.first = days.last = 0;
    return days;
}

}  // namespace

std::unique_ptr<ClAccPeriod> AccountingPeriodOf(ClSetData* dataSets) {
    ClAccPeriod* period = nullptr;
    if (dataSets == nullptr || dataSets->GetAccPeriod(period) != 0) {
        // A failed call hands out nothing the program owns.
        return nullptr;
    }
    return std::unique_ptr<ClAccPeriod>(period);
}

std::unique_ptr<ClAccPeriod> SelectedAccountingPeriod() {
    return AccountingPeriodOf(SetManagerSetObject<SetObject::DataSets>());
}

MonthDays DaysOfMonthKind(ClAccPeriod* period, std::int16_t monthKind) {
    return DaysBy(period, [monthKind](ClAccPeriod& p, MonthDays& days) {
        return p.GetPeriodByMonthKind(monthKind, days.first, days.last, 0);
    });
}

MonthDays DaysOfCalendarMonth(ClAccPeriod* period, std::int32_t month) {
    return DaysBy(period, [month](ClAccPeriod& p, MonthDays& days) {
        return p.GetPeriodByAMonth(month, days.first, days.last, 0);
    });
}
