#include "aggregate/CoreObjects.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetMgr.h"

namespace {

// What a failed period call answers here; the callers only tell 0 from the rest.
constexpr std::int32_t kNoPeriod = -1;

}  // namespace

ClSetBase* SetManagerObject(int number) {
    ClSetMgr* manager = ClDataMgr::Inst()->GetSetMgr();
    return manager != nullptr ? manager->GetSetObject(number, 1) : nullptr;
}

std::unique_ptr<ClAccPeriod> SelectedAccountingPeriod() {
    auto* dataSets = static_cast<ClSetData*>(SetManagerObject(SetObjectNumber::DataSets));
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
