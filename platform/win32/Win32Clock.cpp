// The monotonic clock. GetTickCount64 reads memory the system keeps current (under Wine too: a
// couple of nanoseconds, where the performance counter costs a system call there); it moves
// in steps of the system tick, about 16 ms, which is the progress window's frame anyway.
#include "platform/SystemServices.h"

namespace platform {

std::uint64_t GetTickCount64() { return ::GetTickCount64(); }

}  // namespace platform
