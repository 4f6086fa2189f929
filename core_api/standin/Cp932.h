// The books are UTF-8; the program's texts are CP932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace StandIn {

// nullopt when the text is not valid UTF-8 or holds a character that CP932 lacks.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace StandIn
