#include "app/SavedReturnCheck.h"

// Until the saved return is loaded, it is never usable.
int LoadAndMatchSavedReturn(RunState& /*state*/, const StDATAINFO& /*dataSet*/) { return 0; }
