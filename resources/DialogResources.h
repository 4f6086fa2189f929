// The program's dialog resources as data, read by both platform backends.
#pragma once

#include "platform/DialogResource.h"

// The conditions dialog (130).
extern const DialogResource kConditionsDialogResource;
// The progress window (131).
extern const DialogResource kProgressDialogResource;
