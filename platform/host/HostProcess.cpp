// The process services of the host backend.
#include "platform/SystemServices.h"

#include <unistd.h>

namespace platform {

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

}  // namespace platform
