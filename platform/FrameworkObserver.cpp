#include "platform/FrameworkObserver.h"

#include "platform/Replaceable.h"

FrameworkObserver& Observer() { return Installed<FrameworkObserver>().Get(); }

void SetObserver(FrameworkObserver* replacement) { Installed<FrameworkObserver>().Set(replacement); }
