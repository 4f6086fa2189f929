// txlink-drives: the drive table of TXLINK_DRIVES read by the host programs' own parser, for a
// script that lays it onto another world (scripts/wine-run lays it onto a Wine prefix).
//   txlink-drives [HOSTPATH...]
// Prints, in UTF-8 and separated by tabs, one line "drive ROOT TYPE HOSTDIR" for each drive in
// the table's order (ROOT "C:" or "\\server\share", TYPE a word of TXLINK_DRIVES), then one line
// "path WINDOWSPATH" for each argument in order, the path empty when no drive holds it. A
// relative HOSTPATH is taken from the current folder. A malformed table: one line on stderr,
// status 3, as the programs end.
#include "platform/WorldError.h"
#include "platform/host/DriveTable.h"
#include "platform/TextCodec.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

const char* TypeName(UINT type) {
    switch (type) {
        case DRIVE_REMOVABLE: return "removable";
        case DRIVE_REMOTE: return "remote";
        case DRIVE_CDROM: return "cdrom";
        case DRIVE_RAMDISK: return "ramdisk";
        case DRIVE_UNKNOWN: return "unknown";
        default: return "fixed";
    }
}

// The table the programs would use: an empty or unset TXLINK_DRIVES gives the default one.
DriveTable ProgramTable() {
    const char* text = std::getenv("TXLINK_DRIVES");
    return text != nullptr && *text != '\0' ? DriveTable::Parse(text) : DriveTable::Default();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const DriveTable table = ProgramTable();
        for (const DriveEntry& entry : table.Entries()) {
            std::cout << "drive\t" << TextCodec::ToUtf8(entry.root) << '\t' << TypeName(entry.type) << '\t'
                      << entry.hostDir << '\n';
        }
        for (int i = 1; i < argc; ++i) {
            std::error_code ignored;
            const std::string host = std::filesystem::absolute(argv[i], ignored).string();
            const std::optional<std::string> windows = table.ToWindows(host);
            std::cout << "path\t" << (windows ? TextCodec::ToUtf8(*windows) : "") << '\n';
        }
    } catch (const WorldError& error) {
        std::cerr << "txlink: " << error.what() << '\n';
        return 3;
    }
    return 0;
}
