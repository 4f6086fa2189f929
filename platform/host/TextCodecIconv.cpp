// The host's text conversions, through iconv.
#include "platform/TextCodec.h"

#include <iconv.h>

#include <cerrno>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; answers where it stopped (the size when all went through).
    std::size_t Convert(std::string_view in, std::string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* source = const_cast<char*>(in.data());
        std::size_t sourceLeft = in.size();
        while (sourceLeft > 0) {
            char buffer[256];
            char* target = buffer;
            std::size_t targetLeft = sizeof buffer;
            const std::size_t done = iconv(handle_, &source, &sourceLeft, &target, &targetLeft);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - sourceLeft;
    }

private:
    iconv_t handle_;
};

// Bytes of the well-formed UTF-8 character at the start of text, 0 when there is none.
std::size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || length > text.size() || (length == 2 && lead < 0xC2)) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

namespace TextCodec {

std::string ToUtf8(std::string_view cp932) {
    static Converter converter("UTF-8", "CP932");
    std::string out;
    while (!cp932.empty()) {
        const std::size_t done = converter.Convert(cp932, out);
        if (done >= cp932.size()) break;
        out += "\xEF\xBF\xBD";  // U+FFFD for the byte that starts no character
        cp932.remove_prefix(done + 1);
    }
    return out;
}

std::optional<std::string> ToCp932(std::string_view utf8) {
    static Converter converter("CP932", "UTF-8");
    std::string out;
    if (converter.Convert(utf8, out) != utf8.size()) return std::nullopt;
    return out;
}

std::optional<std::string> ToCp932Replacing(std::string_view utf8) {
    static Converter converter("CP932", "UTF-8");
    std::string out;
    while (!utf8.empty()) {
        const std::size_t done = converter.Convert(utf8, out);
        if (done >= utf8.size()) break;
        const std::size_t length = Utf8Length(utf8.substr(done));
        if (length == 0) return std::nullopt;  // not UTF-8
        out += '?';
        utf8.remove_prefix(done + length);
    }
    return out;
}

}  // namespace TextCodec
