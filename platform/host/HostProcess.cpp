// The running process: its identifier and a pause of the calling thread.
#include "platform/SystemServices.h"

#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

void Sleep(DWORD milliseconds) {
    timespec left{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace platform
