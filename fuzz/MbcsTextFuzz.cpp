// The double-byte text helper: every answer lies on a character start inside the text, and a
// cut never splits a character. The input's first byte chooses the byte to look for and the
// length of the cut.
#include "fuzz/FuzzTarget.h"
#include "platform/MbcsText.h"

#include <vector>

namespace {

std::vector<bool> CharacterStarts(std::string_view text) {
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t at = 0; at < text.size(); at += MbcsText::CharLength(text, at)) {
        const std::size_t length = MbcsText::CharLength(text, at);
        Fuzz::Require(length == 1 || length == 2, "a character takes one or two bytes");
        Fuzz::Require(at + length <= text.size(), "a character never runs past the text");
        starts[at] = true;
    }
    starts[text.size()] = true;
    return starts;
}

void RequireStart(const std::vector<bool>& starts, std::size_t at) {
    Fuzz::Require(at == MbcsText::npos || (at < starts.size() && starts[at]), "an answer lies on a character start");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char c = static_cast<char>(data[0]);
    const std::string_view text = Fuzz::Bytes(data + 1, size - 1);
    const std::vector<bool> starts = CharacterStarts(text);

    RequireStart(starts, MbcsText::LastCharStart(text));
    RequireStart(starts, MbcsText::Find(text, c));
    RequireStart(starts, MbcsText::FindLast(text, c));
    RequireStart(starts, MbcsText::FindAnyOf(text, "\\/:,;"));
    RequireStart(starts, MbcsText::FindText(text, "\\\\"));
    if (MbcsText::EndsWithBackslash(text)) Fuzz::Require(!MbcsText::EndsWithTrailByte(text), "a backslash is no trail byte");
    Fuzz::Require(MbcsText::EqualNoCase(text, text), "a text equals itself");

    const std::size_t maxBytes = static_cast<unsigned char>(c) % (text.size() + 1);
    const std::string cut = MbcsText::CutAt(text, maxBytes);
    Fuzz::Require(cut.size() <= maxBytes && text.starts_with(cut), "a cut is a prefix within the limit");
    Fuzz::Require(starts[cut.size()], "a cut never splits a character");
    return 0;
}
