// Does the installed filing application fit this link component? Reads ProgramLevel of
// ZeimonDef.ini in the current directory; a refusal shows its message owned by owner.
#pragma once

#include "platform/WinTypes.h"

// True when it fits; false when refused, after the message.
bool CheckEnvironment(HWND owner);
