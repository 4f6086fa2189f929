// The monotonic clock: the performance counter in milliseconds. The system tick of
// GetTickCount64 moves in steps of 10-16 ms, too coarse to pace a window at screen rate.
#include "platform/SystemServices.h"

namespace platform {

std::uint64_t GetTickCount64() {
    static const std::uint64_t frequency = [] {
        LARGE_INTEGER perSecond{};
        ::QueryPerformanceFrequency(&perSecond);
        return static_cast<std::uint64_t>(perSecond.QuadPart);
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    const auto count = static_cast<std::uint64_t>(now.QuadPart);
    // Whole seconds and the rest apart: count * 1000 would overflow after a few weeks at GHz rates.
    return count / frequency * 1000 + count % frequency * 1000 / frequency;
}

}  // namespace platform
