// Does the installed filing application fit this link component? Reads ProgramLevel of
// ZeimonDef.ini in the current directory; a refusal shows its message owned by owner.
#pragma once

#include "platform/WinTypes.h"

// 1 when it fits; 0 when refused, after the message.
int CheckEnvironment(HWND owner);
