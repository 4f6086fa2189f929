// The output destination check run by Execute: the path must name a file that can be written.
// Steps in order: not empty, no forbidden characters, a usable drive or share, a file name, an
// existing folder (created on request), and consent to replace an existing file.
#pragma once

#include "platform/CControls.h"
#include "platform/CWnd.h"

#include <string>

// What the checks of the path text alone find, before folders and files are looked at.
enum class PathFault { None, Empty, ForbiddenCharacter, BadDrive, NoFileName };

PathFault FindPathFault(const std::string& path);

// The drive test: the type of the root ("C:\") and, for writable kinds, read and write access.
bool IsUsableDrive(char letter);

// Runs every step with its message boxes, owned by dialog. On failure the focus goes to
// pathEdit with its whole text selected. A fixed path is replaced without a question.
bool CheckDestination(CWnd& dialog, CEdit& pathEdit, const std::string& path, bool fixedPath);
