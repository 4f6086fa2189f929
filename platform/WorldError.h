// The host world itself cannot go on: a malformed UI script or drive table, unreadable books.
// AfxWinMain turns it into exit status 3 and one line on stderr; nothing in the program catches it.
#pragma once

#include <stdexcept>
#include <string>

struct WorldError : std::runtime_error {
    explicit WorldError(const std::string& what) : std::runtime_error(what) {}
};
