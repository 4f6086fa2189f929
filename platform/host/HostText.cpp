// CP932 classification as Windows answers it for code page 932.
#include "platform/SystemServices.h"

namespace platform {

bool IsDBCSLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

}  // namespace platform
