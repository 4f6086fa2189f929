#include "app/MonthLookup.h"

#include "core_api/ClAccPeriod.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"

#include <memory>

namespace {

constexpr const char* kLocation = "Acc_FinTax31/ControlATS31";
constexpr int kMonthsOfDatesLine = 8589;

std::unique_ptr<ClAccPeriod> GetPeriod(RunState& state) {
    if (state.dataSetSettings == nullptr) {
        state.dataSetSettings = DataManagerSetObject<SetObject::DataSets>();
    }
    ClAccPeriod* period = nullptr;
    if (state.dataSetSettings != nullptr) state.dataSetSettings->GetAccPeriod(period);
    return std::unique_ptr<ClAccPeriod>(period);
}

struct MonthDays {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

MonthDays DaysOfMonth(RunState& state, std::int32_t month) {
    MonthDays days;
    if (auto period = GetPeriod(state)) period->GetPeriodByAMonth(month, days.first, days.last, 0);
    return days;
}

}  // namespace

std::int32_t FirstDayOfMonth(RunState& state, std::int32_t month) { return DaysOfMonth(state, month).first; }

std::int32_t LastDayOfMonth(RunState& state, std::int32_t month) { return DaysOfMonth(state, month).last; }

std::int32_t MonthsOfDates(RunState& state, std::int32_t firstDate, std::int32_t lastDate,
                           std::int16_t& firstMonth, std::int16_t& lastMonth) {
    std::int32_t status = 0;
    if (auto period = GetPeriod(state)) {
        std::int32_t first = 0;
        std::int32_t last = 0;
        period->GetAMonthByDate(firstDate, first, 0);
        status = period->GetAMonthByDate(lastDate, last, 0);
        firstMonth = static_cast<std::int16_t>(first);
        lastMonth = static_cast<std::int16_t>(last);
    }
    ClMsgMgr::Inst()->SetLastError(status, status != 0 ? kLocation : nullptr, status != 0 ? kMonthsOfDatesLine : 0);
    return status;
}
