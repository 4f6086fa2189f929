#include "platform/FrameworkObserver.h"

namespace {

FrameworkObserver silentObserver;
FrameworkObserver* observer = &silentObserver;

}  // namespace

FrameworkObserver& Observer() { return *observer; }

void SetObserver(FrameworkObserver* replacement) { observer = replacement ? replacement : &silentObserver; }
