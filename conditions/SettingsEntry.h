// The text of the per-user settings file: one LF-terminated line per user and data set,
// "USER/FIRST/DATANO:" followed by "METHOD/START/END/PATH"; the path may hold slashes. A line
// ends at its LF, whatever byte stands before it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct SettingsKey {
    std::string userId;
    std::int32_t first = 0;   // the first number of the user's selection
    std::int32_t dataNo = 0;  // the selected data number
};

struct RememberedConditions {
    long method = 0;  // 0 journal aggregation, 1 saved return
    std::int16_t startMonth = 0;
    std::int16_t endMonth = 0;
    std::string outputPath;
};

std::string FormatSettingsKey(const SettingsKey& key);
// The key, the value and the LF.
std::string FormatSettingsLine(const std::string& key, const RememberedConditions& conditions);

// The value of the first line that begins with key (without its LF); nullopt when none.
std::optional<std::string> FindSettingsValue(std::string_view content, std::string_view key);
// The value split at its first three slashes; nullopt when it has fewer.
std::optional<RememberedConditions> ParseSettingsValue(std::string_view value);
// The content without any line that begins with key, and line at its end. Every other line
// keeps its bytes and its place; a last line without LF gets one before line is added.
std::string ReplaceSettingsLine(std::string_view content, std::string_view key, std::string_view line);
