// Operations on Windows paths in CP932 text (drive letters, \\server\share, backslashes), shared
// by the destination check and the settings file. Double-byte characters are never split and
// their trail byte is never taken for a separator.
#pragma once

#include "conditions/PathLimits.h"

#include <string>

// The last character is a lead byte without its trail byte.
bool EndsInLoneLeadByte(const std::string& text);

// Adds a final backslash unless the text already ends in one (a trail byte 0x5C does not
// count). Fails on an empty text, on a text ending in a lone lead byte (the backslash would
// become its trail byte) and when the backslash would not fit: the text must stay shorter
// than capacity - 1 bytes (capacity counts the terminator).
bool EnsureTrailingBackslash(std::string& text, std::size_t capacity);

// Makes a folder text end in a backslash: its last name is a folder too, never taken for a
// file name. Fails when a text of 260 bytes or more would need the backslash.
bool NormaliseFolder(std::string& folder);

// The path names an existing folder.
bool IsFolder(const std::string& path);

// Creates the missing levels of folder one by one from its root (a drive or a share). When a
// level cannot be made, the levels this call made are removed again, deepest first.
bool CreateFolderChain(const std::string& folder);

// The text up to and including the last backslash; empty when there is none.
std::string FolderPart(const std::string& path);
// The text after the last backslash; the whole text when there is none.
std::string FileNamePart(const std::string& path);

// An ASCII letter, the only characters that name a drive.
bool IsDriveLetter(char c);

// A network path: it begins with two backslashes.
bool IsNetworkPath(const std::string& path);
// In a network path, the position of the backslash that ends the share name: the first
// backslash from the fourth character on ends the server name, the next one the share name.
// npos when either is missing.
std::size_t ShareNameEnd(const std::string& path);
// The byte position of character number index (from 0), or the text's size when it has fewer.
std::size_t CharacterOffset(const std::string& text, std::size_t index);
