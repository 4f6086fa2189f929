// The settings file: any file content is read, its entry replaced and written back. After the
// write every line without our key keeps its bytes and its order (lines end at LF), the new
// entry is the last line, and reading answers what was written.
#include "conditions/SettingsFile.h"
#include "fuzz/FuzzTarget.h"

#include <vector>

namespace {

const SettingsKey kKey{"yamada", 1, 1};

// Lines end at LF; a last line without LF is a line too.
std::vector<std::string_view> LinesOf(std::string_view content) {
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        auto [line, rest] = Fuzz::SplitFirstLine(content);
        lines.push_back(line);
        content = line.size() == content.size() ? std::string_view{} : rest;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view old = Fuzz::Bytes(data, size);
    const std::string hostPath = Fuzz::HostDriveC() + "/TxLinkAlto.env";
    Fuzz::WriteHostFile(hostPath, old);

    const SettingsFile file("C:\\", "TxLinkAlto.env");
    (void)file.Read(kKey);
    const RememberedConditions written{0, 4, 9, "C:\\TxLink\\Export\\report.xml"};
    if (!file.Write(kKey, written)) return 0;

    const std::string key = FormatSettingsKey(kKey);
    std::vector<std::string_view> expected;
    for (std::string_view line : LinesOf(old)) {
        if (!line.starts_with(key)) expected.push_back(line);
    }
    const std::string now = Fuzz::ReadHostFile(hostPath);
    std::vector<std::string_view> lines = LinesOf(now);
    Fuzz::Require(!lines.empty() && std::string(lines.back()) + "\n" == FormatSettingsLine(key, written) &&
                      now.ends_with('\n'),
                  "the new entry is the last line, with its LF");
    lines.pop_back();
    Fuzz::Require(lines == expected, "every other line keeps its bytes and its order");

    const std::optional<RememberedConditions> read = file.Read(kKey);
    Fuzz::Require(read && read->method == written.method && read->startMonth == written.startMonth &&
                      read->endMonth == written.endMonth && read->outputPath == written.outputPath,
                  "reading answers what was written");
    return 0;
}
