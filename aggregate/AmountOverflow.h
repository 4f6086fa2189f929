// The one exception of the program's own: an amount of the aggregation that no longer fits.
// It carries -1 as its code; nothing in the aggregation catches it, the run driver ends the
// run with the failure code.
#pragma once

#include <exception>

struct AmountOverflow : std::exception {
    int code() const noexcept { return -1; }
    const char* what() const noexcept override { return "amount overflow"; }
};
