// StTAXREPORTBUSINESSTYPEINFO is declared with its family.
#pragma once

#include "core_api/StTAXREPORTRATEINFO.h"
