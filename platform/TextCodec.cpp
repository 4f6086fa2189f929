#include "platform/TextCodec.h"

std::string OneLine(const std::string& cp932) {
    std::string text = TextCodec::ToUtf8(cp932);
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}
