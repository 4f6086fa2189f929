// Whole yen from ten-thousandths of a yen under the data set's rounding mode: 0 the digit
// carry (a fraction of .4445 or more rounds up), 1 down, 2 up; any other mode drops the
// fraction. A negative amount is rounded by its magnitude and keeps its sign, so that a
// refund rounds like the payment it mirrors.
#pragma once

#include <cstdint>

std::int64_t RoundToYen(std::int64_t amount, std::uint8_t roundingMode);
