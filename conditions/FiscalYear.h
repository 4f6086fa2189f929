// The months of a fiscal year: its first accounting month F and its last calendar month L,
// with L reported as L + 100 (the crossing mark) when the year crosses a calendar year.
#pragma once

#include <cstdint>

struct FiscalYear {
    std::int16_t firstMonth = 0;  // F
    std::int16_t lastMonth = 0;   // L, plus 100 when the year crosses a calendar year

    bool Crosses() const { return lastMonth > 100; }
    std::int16_t LastCalendarMonth() const { return static_cast<std::int16_t>(lastMonth % 100); }
};

// Asks a period object of the program's own for the accounting month of the first day.
FiscalYear GetFiscalYear(std::int32_t firstDay, std::int32_t lastDay);
