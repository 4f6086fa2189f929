// The host's text conversions, through iconv.
#include "platform/script/TextCodec.h"

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

}  // namespace TextCodec
