// The XML escaping: no markup character survives, and unescaping gives the text back.
#include "fuzz/FuzzTarget.h"
#include "report/XmlReportWriter.h"

namespace {

constexpr std::pair<std::string_view, char> kEntities[] = {
    {"&amp;", '&'}, {"&gt;", '>'}, {"&lt;", '<'}, {"&quot;", '"'}, {"&apos;", '\''}};

std::string Unescape(std::string_view escaped) {
    std::string text;
    while (!escaped.empty()) {
        bool matched = false;
        for (const auto& [entity, character] : kEntities) {
            if (escaped.starts_with(entity)) {
                text += character;
                escaped.remove_prefix(entity.size());
                matched = true;
                break;
            }
        }
        if (matched) continue;
        Fuzz::Require(escaped.front() != '&', "every ampersand begins an entity");
        text += escaped.front();
        escaped.remove_prefix(1);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = Fuzz::Bytes(data, size);
    const std::string escaped = XmlReportWriter::EscapeText(text);
    Fuzz::Require(escaped.find_first_of("<>\"'") == std::string::npos, "no markup character survives");
    Fuzz::Require(Unescape(escaped) == text, "unescaping gives the text back");
    return 0;
}
