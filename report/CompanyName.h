// The company name as the report's BASIC section writes it: in full-width characters, at most
// 32 bytes, never ending in half a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kCompanyNameBytes = 32;

std::string ConvertCompanyName(std::string_view name);
