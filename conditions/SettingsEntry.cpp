#include "conditions/SettingsEntry.h"

#include "platform/MbcsText.h"

#include <cstdlib>
#include <vector>

namespace {

// The lines of the content, each with its LF when it has one. A line ends at its LF even when
// a lone lead byte stands before it, so no line ever takes in the next one.
std::vector<std::string_view> Lines(std::string_view content) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t lineFeed = MbcsText::FindLineFeed(content, start);
        const std::size_t next = lineFeed == MbcsText::npos ? content.size() : lineFeed + 1;
        lines.push_back(content.substr(start, next - start));
        start = next;
    }
    return lines;
}

bool EndsWithLf(std::string_view line) { return !line.empty() && line.back() == '\n'; }

// As the C library's decimal conversion: leading blanks, a sign, digits; 0 when none.
long DecimalValue(std::string_view field) { return std::strtol(std::string(field).c_str(), nullptr, 10); }

}  // namespace

std::string FormatSettingsKey(const SettingsKey& key) {
    return key.userId + "/" + std::to_string(key.first) + "/" + std::to_string(key.dataNo) + ":";
}

std::string FormatSettingsLine(const std::string& key, const RememberedConditions& conditions) {
    return key + std::to_string(conditions.method) + "/" + std::to_string(conditions.startMonth) + "/" +
           std::to_string(conditions.endMonth) + "/" + conditions.outputPath + "\n";
}

std::optional<std::string> FindSettingsValue(std::string_view content, std::string_view key) {
    for (std::string_view line : Lines(content)) {
        if (!line.starts_with(key)) continue;
        line.remove_prefix(key.size());
        if (EndsWithLf(line)) line.remove_suffix(1);
        return std::string(line);
    }
    return std::nullopt;
}

std::optional<RememberedConditions> ParseSettingsValue(std::string_view value) {
    std::size_t slashes[3];
    std::size_t from = 0;
    for (std::size_t& slash : slashes) {
        slash = MbcsText::Find(value, '/', from);
        if (slash == MbcsText::npos) return std::nullopt;
        from = slash + 1;
    }
    RememberedConditions conditions;
    conditions.method = DecimalValue(value.substr(0, slashes[0]));
    conditions.startMonth = static_cast<std::int16_t>(DecimalValue(value.substr(slashes[0] + 1, slashes[1] - slashes[0] - 1)));
    conditions.endMonth = static_cast<std::int16_t>(DecimalValue(value.substr(slashes[1] + 1, slashes[2] - slashes[1] - 1)));
    conditions.outputPath = std::string(value.substr(slashes[2] + 1));
    return conditions;
}

std::string ReplaceSettingsLine(std::string_view content, std::string_view key, std::string_view line) {
    std::string result;
    result.reserve(content.size() + line.size() + 1);
    // Every line with the key goes, so that the next read finds the line written now.
    for (std::string_view existing : Lines(content)) {
        if (!existing.starts_with(key)) result += existing;
    }
    // A last line without its LF stays a line of its own.
    if (!result.empty() && !EndsWithLf(result)) result += '\n';
    result += line;
    return result;
}
