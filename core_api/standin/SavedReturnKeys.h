// The keys of a saved return's rate objects in the books: the report's element names without
// the rate suffix, each naming one saved figure of StSaveTaxInfo.
#pragma once

#include <cstddef>
#include <string_view>

namespace StandIn {

// Byte position within StSaveTaxInfo of the figure that key names for rate position
// ratePosition (0-4); false for a key that names no saved figure.
bool SavedFigureOffset(std::string_view key, int ratePosition, std::size_t& offset);

// An element of the report that the saved return keeps no figure for (the remainders without
// a business category): books may name it, its amount is read and not kept.
bool UnsavedElement(std::string_view key);

}  // namespace StandIn
