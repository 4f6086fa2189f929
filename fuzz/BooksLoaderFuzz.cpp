// The books loader: any text is loaded or refused with a WorldError (one line naming the key
// path and the problem), never another failure.
#include "core_api/standin/BooksLoader.h"
#include "fuzz/FuzzTarget.h"
#include "platform/WorldError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)StandIn::ReadBooksText(Fuzz::Bytes(data, size), "fuzz books");
    } catch (const WorldError& error) {
        Fuzz::Require(std::string_view(error.what()).find('\n') == std::string_view::npos, "a books error is one line");
    }
    return 0;
}
