// The destination check on the text of a path and the path operations it stands on: any text
// is judged without harm; a path that passes holds no control character and does not end in
// half a character; folder and file name parts put together give the path again.
#include "conditions/DestinationCheck.h"
#include "conditions/PathOperations.h"
#include "fuzz/FuzzTarget.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::HostDriveC();
    const std::string path(Fuzz::Bytes(data, size));

    if (FindPathFault(path) == PathFault::None) {
        const bool control = std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
        Fuzz::Require(!control, "a path that passes holds no control character");
        const bool loneLeadByte = MbcsText::LastCharStart(path) == path.size() - 1 &&
                                  platform::IsDBCSLeadByte(static_cast<unsigned char>(path.back()));
        Fuzz::Require(!loneLeadByte, "a path that passes does not end in a lone lead byte");
    }
    Fuzz::Require(FolderPart(path) + FileNamePart(path) == path, "folder part and file name part make the path");
    if (const std::size_t end = ShareNameEnd(path); end != MbcsText::npos) {
        Fuzz::Require(end < path.size() && path[end] == '\\', "a share name ends at a backslash");
    }
    Fuzz::Require(CharacterOffset(path, path.size()) == path.size(), "no text has more characters than bytes");

    std::string folder = path;
    if (NormaliseFolder(folder)) {
        Fuzz::Require(MbcsText::EndsWithBackslash(folder) && folder.starts_with(path), "a normalised folder ends in a backslash");
    }
    (void)IsFolder(path);
    return 0;
}
