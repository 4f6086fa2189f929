// The status of a core call, recorded with the message manager under the place the core's
// error report names: the module and its line for a failure, nothing for success.
#pragma once

#include "core_api/ClMsgMgr.h"

#include <cstdint>

namespace StatusPlace {
inline constexpr const char* kControl = "Acc_FinTax31/ControlATS31";  // the run's own lookups
inline constexpr const char* kAddTax = "Acc_FinTax31/AddTax";         // the checks of the range
}  // namespace StatusPlace

// Answers status, as the message manager does.
inline std::int32_t RecordStatus(std::int32_t status, const char* place, int line) {
    const bool failed = status != 0;
    return ClMsgMgr::Inst()->SetLastError(status, failed ? place : nullptr, failed ? line : 0);
}
