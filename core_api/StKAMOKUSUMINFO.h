// StKAMOKUSUMINFO is declared with its family.
#pragma once

#include "core_api/StKAMOKUINFO.h"
