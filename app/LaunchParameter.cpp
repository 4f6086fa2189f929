#include "app/LaunchParameter.h"

#include "platform/MbcsText.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

// atol of 32-bit Windows: leading blanks, a sign, digits; saturates; 0 when there are none.
std::int32_t ToLong(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos) {
        value = std::min(value * 10 + (text[pos] - '0'), kLimit);
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min(value, kLimit - 1));
}

// The text before the next comma from pos; false when there is no further comma.
bool TakeField(std::string_view text, std::size_t& pos, std::string_view& field) {
    const std::size_t comma = MbcsText::Find(text, ',', pos);
    if (comma == MbcsText::npos) return false;
    field = text.substr(pos, comma - pos);
    pos = comma + 1;
    return true;
}

}  // namespace

bool ParseLaunchParameter(const std::string& commandLine, RunState& state) {
    if (commandLine.empty() || commandLine.size() >= kLaunchParameterBuffer) return false;
    const std::string_view text = commandLine;
    std::size_t pos = 0;
    std::string_view field;
    if (!TakeField(text, pos, field)) return false;
    state.parentWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(ToLong(field)));
    // A window of 0 (an empty or non-numeric field) is no window to disable or notify, and a
    // parameter without a caller lends the run none of its other fields.
    if (state.parentWindow == nullptr) return false;
    if (!TakeField(text, pos, field)) return false;
    state.notifyMessage = ToLong(field);
    if (!TakeField(text, pos, field)) return false;
    state.functionId = static_cast<std::int16_t>(ToLong(field));
    state.fixedOutputPath = std::string(text.substr(pos));
    return true;
}
