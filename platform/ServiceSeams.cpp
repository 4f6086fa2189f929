#include "platform/ServiceSeams.h"

#include "platform/Replaceable.h"

ServiceSeams& Seams() { return Installed<ServiceSeams>().Get(); }

void SetSeams(ServiceSeams* replacement) { Installed<ServiceSeams>().Set(replacement); }
