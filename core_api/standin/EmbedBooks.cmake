# Writes a C++ source holding the bytes of INPUT as an array, so that the compiler's CP932
# execution character set never touches them. Run with -DINPUT=... -DOUTPUT=...
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include \"core_api/standin/EmbeddedBooks.h\"

namespace StandIn {
namespace {
const unsigned char kBooks[${size}] = {
${bytes}
};
}  // namespace

std::string_view EmbeddedBooks() { return {reinterpret_cast<const char*>(kBooks), sizeof kBooks}; }

}  // namespace StandIn
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
