// The drive table: the input's first line is a TXLINK_DRIVES text, parsed without harm (a
// malformed one is a WorldError); the rest is a Windows path, mapped through the fuzz world's
// table to a host path, and a host path, mapped through the parsed table to a Windows name.
#include "fuzz/FuzzTarget.h"
#include "platform/WorldError.h"
#include "platform/host/DriveTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [tableText, pathText] = Fuzz::SplitFirstLine(Fuzz::Bytes(data, size));
    const std::string& driveC = Fuzz::HostDriveC();

    if (const std::optional<WindowsPath> path = ResolveWindowsPath(pathText, "C:\\")) {
        const DriveTable world = DriveTable::Parse("C:=" + driveC);
        if (const std::optional<std::string> host = world.ToHost(*path); host && path->root == "C:") {
            Fuzz::Require(host->starts_with(driveC), "a path on C: maps under C:'s folder");
        }
    }
    try {
        const DriveTable table = DriveTable::Parse(tableText);
        Fuzz::Require(table.Find("Z:") != nullptr, "Z: is always mapped");
        for (const DriveEntry& entry : table.Entries()) {
            Fuzz::Require(entry.hostDir.starts_with("/"), "a host folder is absolute");
            (void)table.ToWindows(entry.hostDir + "/" + std::string(pathText));
        }
        (void)table.ToWindows(pathText);
    } catch (const WorldError&) {
    }
    return 0;
}
