// LCMapStringA's full-width mapping of CP932 text, as Windows maps it under a Japanese system,
// through the program's own table on every build: systems differ in the mapping (Wine keeps
// 0x5C and turns a lone voiced mark into '?'), and the report must not.
#include "platform/SystemServices.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Full-width forms of 0x20-0x7E in CP932, as Windows converts the ASCII range through Unicode:
// the space to the ideographic space, 0x5C (U+005C in code page 932) to the full-width reverse
// solidus, 0x7E to the full-width tilde, the quotes to the forms CP932 gives U+FF02 and U+FF07.
constexpr std::uint16_t kAscii[95] = {
    0x8140, 0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56, 0x8169, 0x816A, 0x8196, 0x817B,
    0x8143, 0x817C, 0x8144, 0x815E, 0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148, 0x8197, 0x8260, 0x8261, 0x8262,
    0x8263, 0x8264, 0x8265, 0x8266, 0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276, 0x8277, 0x8278, 0x8279, 0x816D,
    0x815F, 0x816E, 0x814F, 0x8151, 0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F, 0x8290, 0x8291, 0x8292, 0x8293,
    0x8294, 0x8295, 0x8296, 0x8297, 0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,
};

// Full-width forms of the half-width katakana 0xA1-0xDF; 0xDE and 0xDF, when no katakana takes
// them, become the spacing voiced and semi-voiced marks ゛ and ゜.
constexpr std::uint16_t kKana[63] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383,
    0x8385, 0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E,
    0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367,
    0x8369, 0x836A, 0x836B, 0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E,
    0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F,
    0x8393, 0x814A, 0x814B,
};

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

// A katakana with its voiced mark: ｳﾞ, ｶﾞ-ﾄﾞ, ﾊﾞ-ﾎﾞ (0 where CP932 has no composed form).
std::uint16_t Voiced(unsigned char kana) {
    if (kana == 0xB3) return 0x8394;                                               // ヴ
    if (kana >= 0xB6 && kana <= 0xC4) return static_cast<std::uint16_t>(kKana[kana - 0xA1] + 1);  // ガ-ド
    if (kana >= 0xCA && kana <= 0xCE) return static_cast<std::uint16_t>(kKana[kana - 0xA1] + 1);  // バ-ボ
    return 0;
}

// ﾊﾟ-ﾎﾟ.
std::uint16_t SemiVoiced(unsigned char kana) {
    return kana >= 0xCA && kana <= 0xCE ? static_cast<std::uint16_t>(kKana[kana - 0xA1] + 2) : 0;
}

void Append(std::string& out, std::uint16_t code) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

std::string FullWidth(const unsigned char* text, std::size_t length) {
    std::string out;
    for (std::size_t at = 0; at < length; ++at) {
        const unsigned char c = text[at];
        if (platform::IsDBCSLeadByte(c) && at + 1 < length) {
            out.append(reinterpret_cast<const char*>(text + at), 2);
            ++at;
        } else if (c >= 0x20 && c <= 0x7E) {
            Append(out, kAscii[c - 0x20]);
        } else if (c >= 0xA1 && c <= 0xDF) {
            const unsigned char next = at + 1 < length ? text[at + 1] : 0;
            const std::uint16_t composed = next == kVoicedMark       ? Voiced(c)
                                           : next == kSemiVoicedMark ? SemiVoiced(c)
                                                                     : 0;
            Append(out, composed ? composed : kKana[c - 0xA1]);
            if (composed) ++at;
        } else {
            out += static_cast<char>(c);  // control characters and unassigned bytes stay
        }
    }
    return out;
}

}  // namespace

namespace platform {

int LCMapString(DWORD flags, const char* src, int srcLength, char* dest, int destSize) {
    if (flags != LCMAP_FULLWIDTH || !src || srcLength == 0 || srcLength < -1 || destSize < 0) return 0;
    // A length of -1 takes the text to its terminator and maps the terminator with it.
    const std::size_t length = srcLength == -1 ? std::strlen(src) + 1 : static_cast<std::size_t>(srcLength);
    const std::string mapped = FullWidth(reinterpret_cast<const unsigned char*>(src), length);
    if (destSize == 0) return static_cast<int>(mapped.size());  // the size the caller needs
    if (!dest || mapped.size() > static_cast<std::size_t>(destSize)) return 0;
    std::memcpy(dest, mapped.data(), mapped.size());
    return static_cast<int>(mapped.size());
}

}  // namespace platform
