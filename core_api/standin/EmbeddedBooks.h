// The sample books built into the program (UTF-8 JSON bytes, never converted to CP932).
#pragma once

#include <string_view>

namespace StandIn {

std::string_view EmbeddedBooks();

}  // namespace StandIn
