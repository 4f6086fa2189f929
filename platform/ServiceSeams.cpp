#include "platform/ServiceSeams.h"

namespace {

ServiceSeams noSeams;
ServiceSeams* seams = &noSeams;

}  // namespace

ServiceSeams& Seams() { return *seams; }

void SetSeams(ServiceSeams* replacement) { seams = replacement ? replacement : &noSeams; }
