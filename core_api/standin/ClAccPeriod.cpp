#include "core_api/ClAccPeriod.h"

#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/CalendarDate.h"
#include "core_api/standin/World.h"

using StandIn::AccountingCalendar;

namespace {

AccountingCalendar CalendarOf(std::int32_t first, std::int32_t last, std::int32_t closingDay) {
    return AccountingCalendar(first, last, closingDay);
}

}  // namespace

ClAccPeriod::ClAccPeriod() { StandIn::World::Get().Log("ClAccPeriod::ClAccPeriod"); }
ClAccPeriod::~ClAccPeriod() { StandIn::World::Instance().Log("ClAccPeriod::~ClAccPeriod"); }

std::int32_t ClAccPeriod::SetPeriod(std::int32_t first, std::int32_t last) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::SetPeriod")) return *fault;
    if (!StandIn::CalendarDate::IsValid(first) || !StandIn::CalendarDate::IsValid(last) || first > last)
        return StandIn::kBadArgument;
    first_ = first;
    last_ = last;
    closingDay_ = AccountingCalendar::ClosingDayOf(last);
    return 0;
}

std::int32_t ClAccPeriod::SetClosingDay(std::int32_t closingDay) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::SetClosingDay")) return *fault;
    if (closingDay < 1 || closingDay > 31) return StandIn::kBadArgument;
    closingDay_ = closingDay;
    return 0;
}

std::int32_t ClAccPeriod::GetPeriod(std::int32_t& first, std::int32_t& last) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::GetPeriod")) return *fault;
    if (first_ == 0) return StandIn::kNoRecord;
    first = first_;
    last = last_;
    return 0;
}

std::int32_t ClAccPeriod::GetAMonthByDate(std::int32_t date, std::int32_t& month, int) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::GetAMonthByDate")) return *fault;
    AccountingCalendar calendar = CalendarOf(first_, last_, closingDay_);
    int position = calendar.PositionOf(date);
    if (position == 0) return StandIn::kNoRecord;
    month = calendar.Months()[position - 1].name;
    return 0;
}

std::int32_t ClAccPeriod::GetPeriodByAMonth(std::int32_t month, std::int32_t& first, std::int32_t& last, int) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::GetPeriodByAMonth")) return *fault;
    AccountingCalendar calendar = CalendarOf(first_, last_, closingDay_);
    int position = calendar.PositionNamed(month);
    if (position == 0) return StandIn::kNoRecord;
    first = calendar.Months()[position - 1].first;
    last = calendar.Months()[position - 1].last;
    return 0;
}

// 15 is the interim closing on the last day of the sixth month, 18 the year-end closing on the
// period's last day.
std::int32_t ClAccPeriod::GetPeriodByMonthKind(std::int16_t monthKind, std::int32_t& first, std::int32_t& last,
                                               int) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::GetPeriodByMonthKind")) return *fault;
    AccountingCalendar calendar = CalendarOf(first_, last_, closingDay_);
    const auto& months = calendar.Months();
    if (monthKind == 18 && calendar.Valid()) {
        first = last = last_;
        return 0;
    }
    if (monthKind == 15 && months.size() >= 6) {
        first = last = months[5].last;
        return 0;
    }
    if (monthKind < 1 || static_cast<std::size_t>(monthKind) > months.size() || monthKind > 12)
        return StandIn::kNoRecord;
    first = months[monthKind - 1].first;
    last = months[monthKind - 1].last;
    return 0;
}

std::int32_t ClAccPeriod::GetClosingDayByEndDate(std::int32_t last, int, std::int32_t& closingDay) {
    if (auto fault = StandIn::World::Get().Fault("ClAccPeriod::GetClosingDayByEndDate")) return *fault;
    if (!StandIn::CalendarDate::IsValid(last)) return StandIn::kBadArgument;
    closingDay = AccountingCalendar::ClosingDayOf(last);
    return 0;
}
