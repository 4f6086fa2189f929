#include "aggregate/CoreObjects.h"

namespace {

// What a failed period call answers here; the callers only tell 0 from the rest.
constexpr std::int32_t kNoPeriod = -1;

}  // namespace

std::unique_ptr<ClAccPeriod> SelectedAccountingPeriod() {
    auto* dataSets = SetManagerSetObject<SetObject::DataSets>();
    ClAccPeriod* period = nullptr;
    if (dataSets == nullptr || dataSets->GetAccPeriod(period) != 0) {
        // A failed call hands out nothing the program owns.
        return nullptr;
    }
    return std::unique_ptr<ClAccPeriod>(period);
}

MonthDays DaysOfMonthKind(ClAccPeriod* period, std::int16_t monthKind) {
    MonthDays days;
    if (period == nullptr) {
        days.status = kNoPeriod;
        return days;
    }
    days.status = period->GetPeriodByMonthKind(monthKind, days.first, days.last, 0);
    if (days.status != 0) days.first = days.last = 0;
    return days;
}
