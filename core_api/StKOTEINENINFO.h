// StKOTEINENINFO is declared with its family.
#pragma once

#include "core_api/StKOTEISHISANINFO.h"
