// Statuses of the accounting core's calls: 0 is success, 5000 the end of records of a move or
// walk; every other value is a failure that the program records or shows but never interprets.
#pragma once

#include <cstdint>

namespace CoreStatus {
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t EndOfRecords = 5000;
}  // namespace CoreStatus
