#include "app/EnvironmentCheck.h"

// Until the check reads ZeimonDef.ini, every environment fits.
int CheckEnvironment(HWND /*owner*/) { return 1; }
