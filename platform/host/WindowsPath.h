// A Windows path taken apart: its root (a drive or a network share) and its names, resolved
// against a current directory as Windows resolves relative paths. Texts are CP932.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct WindowsPath {
    std::string root;                // "C:" (letter in capitals) or "\\server\share"
    std::vector<std::string> names;  // folders and file below the root; "." and ".." resolved

    // "C:\a\b"; the root alone ends in a backslash ("C:\", "\\server\share\").
    std::string Text() const;
    // The path of the folder that holds this one (the root holds itself).
    WindowsPath Parent() const;
};

// Either separator is taken; a relative path (also "\a" and "C:a") joins currentDirectory.
// nullopt when the path has no root to stand on or a name holds a character that Windows
// refuses in file names (< > : " | ? * and control characters).
std::optional<WindowsPath> ResolveWindowsPath(std::string_view path, std::string_view currentDirectory);
