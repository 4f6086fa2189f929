#include "report/SupportInfoReader.h"

#include "platform/CFile.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "resources/MessageCaption.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

namespace {

constexpr const char* kFileName = "SUPPORT.INF";
constexpr std::string_view kProductNameMarker = "[=製品名=]";
constexpr std::string_view kProductVersionMarker = "[=製品ﾊﾞｰｼﾞｮﾝ=]";
// Fields whose values run over several lines, up to the next marker.
constexpr std::string_view kMultiLineMarkers[] = {"[=お問い合わせ内容=]", "[=症状が再現する手順や条件=]"};
constexpr std::string_view kMarkerStart = "[=";
constexpr char kEndOfFile = '\x1A';
constexpr unsigned char kUnread = 0xFF;  // fills the buffer beyond the file's bytes

constexpr const char* kOutOfMemory = "ﾒﾓﾘが不足しています。";

// CR, the end-of-file mark and NUL are never the trail byte of a character: a lead byte before
// one of them stands alone, and the line still ends where its CR LF is.
bool EndsLines(char c) { return c == '\r' || c == kEndOfFile || c == '\0'; }

std::size_t CharLengthAt(std::string_view data, std::size_t at) {
    const std::size_t length = MbcsText::CharLength(data, at);
    return length == 2 && EndsLines(data[at + 1]) ? 1 : length;
}

// Half a character at a value's end (a lead byte cut off by its line's end) is no text.
std::string_view WithoutLoneLeadByte(std::string_view value) {
    const std::size_t last = MbcsText::LastCharStart(value);
    if (last != MbcsText::npos && last + 1 == value.size() && platform::IsDBCSLeadByte(static_cast<unsigned char>(value[last])))
        value.remove_suffix(1);
    return value;
}

}  // namespace

std::string SupportInfoReader::ProductName() { return Lookup(kProductNameMarker); }

std::string SupportInfoReader::ProductVersion() { return Lookup(kProductVersionMarker); }

std::string SupportInfoReader::Lookup(std::string_view marker) {
    if (!attempted_) Load();
    const std::string_view data = Loaded();
    const std::size_t at = MbcsText::FindText(data, marker);
    if (at == MbcsText::npos) return {};
    const std::size_t start = at + marker.size();
    // A value ends at its line's end, or where the file's bytes in the buffer end. NUL and CR
    // are never trail bytes, so they end the value even right after a lead byte. A single-line
    // value also ends at a CR LF that a multi-line field on its line has put back.
    std::size_t end = data.find('\0', start);
    if (std::find(std::begin(kMultiLineMarkers), std::end(kMultiLineMarkers), marker) == std::end(kMultiLineMarkers))
        end = std::min(end, data.find("\r\n", start));
    const std::string_view value = data.substr(start, end == MbcsText::npos ? data.npos : end - start);
    return MbcsText::CutAt(WithoutLoneLeadByte(value), kMaxValueBytes);
}

std::unique_ptr<char[]> SupportInfoReader::AllocateBuffer() {
    return std::unique_ptr<char[]>(new (std::nothrow) char[kBufferSize]);
}

void SupportInfoReader::Load() {
    attempted_ = true;
    buffer_ = AllocateBuffer();
    if (!buffer_) {
        platform::MessageBox(owner_, kOutOfMemory, kMessageCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    std::memset(buffer_.get(), kUnread, kBufferSize);
    ReadFile();
    SplitLines();
    for (std::string_view marker : kMultiLineMarkers) RejoinField(marker);
}

// A file that cannot be opened leaves nothing loaded: every lookup is empty.
void SupportInfoReader::ReadFile() {
    CFile file;
    if (!file.Open(kFileName, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return;
    loaded_ = file.Read(buffer_.get(), static_cast<UINT>(kBufferSize));
}

// Every CR LF becomes two NULs and every end-of-file mark one, so that each value ends in NUL.
void SupportInfoReader::SplitLines() {
    char* bytes = buffer_.get();
    const std::string_view data = Loaded();
    for (std::size_t at = 0; at < data.size();) {
        if (bytes[at] == kEndOfFile) {
            bytes[at] = '\0';
        } else if (bytes[at] == '\r' && at + 1 < data.size() && bytes[at + 1] == '\n') {
            bytes[at] = bytes[at + 1] = '\0';
            at += 2;
            continue;
        }
        at += CharLengthAt(data, at);
    }
}

// From the end of the field's marker up to the next marker, line ends are CR LF again; the
// line end just before the next marker ends the value.
void SupportInfoReader::RejoinField(std::string_view marker) {
    char* bytes = buffer_.get();
    const std::string_view data = Loaded();
    const std::size_t at = MbcsText::FindText(data, marker);
    if (at == MbcsText::npos) return;
    const std::size_t start = at + marker.size();
    const std::size_t next = MbcsText::FindText(data, kMarkerStart, start);
    const std::size_t end = next == MbcsText::npos ? data.size() : next;
    for (std::size_t pos = start; pos < end;) {
        if (bytes[pos] == '\0' && pos + 1 < end && bytes[pos + 1] == '\0') {
            bytes[pos] = '\r';
            bytes[pos + 1] = '\n';
            pos += 2;
            continue;
        }
        pos += CharLengthAt(data, pos);
    }
    if (next == MbcsText::npos) return;
    for (std::size_t pos = next >= start + 2 ? next - 2 : start; pos < next; ++pos) bytes[pos] = '\0';
}
