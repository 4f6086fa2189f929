// SUPPORT.INF: any file is read into the fixed buffer and looked up without harm; a value is
// at most 255 bytes, never runs over a CR LF (the line end of a single-line field) and never
// ends in half a character.
//
// The markers are the program's literals, so they are in the build's encoding (CP932 under
// GCC, UTF-8 under clang); the seed corpus holds files in both (see docs/fuzzing.md).
#include "fuzz/FuzzTarget.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "report/SupportInfoReader.h"

namespace {

bool EndsInHalfCharacter(const std::string& value) {
    const std::size_t last = MbcsText::LastCharStart(value);
    return last != MbcsText::npos && last + 1 == value.size() &&
           platform::IsDBCSLeadByte(static_cast<unsigned char>(value.back()));
}

void RequireValue(const std::string& value) {
    Fuzz::Require(value.size() <= SupportInfoReader::kMaxValueBytes, "a value is at most 255 bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = Fuzz::Bytes(data, size);
    Fuzz::WriteHostFile(Fuzz::HostDriveC() + "/SUPPORT.INF", input);

    SupportInfoReader reader(nullptr);
    const std::string name = reader.ProductName();
    RequireValue(name);
    Fuzz::Require(name.find("\r\n") == std::string::npos && name.find('\0') == std::string::npos,
                  "a single-line value ends at its line's end");
    Fuzz::Require(!EndsInHalfCharacter(name), "a value never ends in half a character");
    RequireValue(reader.ProductVersion());
    RequireValue(reader.Lookup("[=お問い合わせ内容=]"));
    RequireValue(reader.Lookup("[=症状が再現する手順や条件=]"));
    // A marker of the input's own first line, so that the fuzzer steers lookups in any encoding.
    const std::string_view firstLine = Fuzz::SplitFirstLine(input).first;
    if (!firstLine.empty()) RequireValue(reader.Lookup(firstLine));
    return 0;
}
