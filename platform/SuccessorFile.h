// A file written beside another and then put in its place in one step: its successor. The
// successor's name is short ("~tx" and hex digits) so that it fits wherever the file it
// replaces fits, and it is created exclusively, so that two writers never share one.
#pragma once

#include "platform/CFile.h"
#include "platform/WinTypes.h"

#include <string>

namespace platform {

// Creates a new empty successor in target's folder and leaves it open in file, for writing
// and to nobody else; answers its path, empty when none could be made.
std::string CreateSuccessor(const std::string& target, CFile& file);
// Puts the closed successor in target's place (ReplaceFile).
BOOL ReplaceWithSuccessor(const std::string& successor, const std::string& target);

}  // namespace platform
