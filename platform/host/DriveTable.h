// The host world's drives: which host folder stands for each drive letter and network share,
// and what kind of drive it is (TXLINK_DRIVES).
#pragma once

#include "platform/WinTypes.h"
#include "platform/host/WindowsPath.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DriveEntry {
    std::string root;     // "C:" or "\\server\share" (CP932)
    std::string hostDir;  // absolute host folder, without a final slash unless it is "/"
    UINT type;            // DRIVE_FIXED, DRIVE_REMOTE, ...
};

class DriveTable {
public:
    // "LETTER:=HOSTDIR[,TYPE];\\server\share=HOSTDIR[,TYPE];..."; Z:=/ joins unless Z: is
    // mapped. A malformed entry throws WorldError naming it.
    static DriveTable Parse(std::string_view text);
    // C:=$HOME/.txlink/drive_c (created when missing) and Z:=/.
    static DriveTable Default();
    // The host folder of drive C: in the default table; nullopt without an absolute HOME.
    static std::optional<std::string> DefaultDriveC();

    const DriveEntry* Find(std::string_view root) const;
    // The host path of a Windows path: each name matched case-insensitively against what the
    // host folder holds, names that do not exist taken as they are. nullopt off the table.
    std::optional<std::string> ToHost(const WindowsPath& path) const;
    // The Windows name of an absolute host path, through the deepest mapped folder that holds it.
    std::optional<std::string> ToWindows(std::string_view hostPath) const;

    const std::vector<DriveEntry>& Entries() const { return entries_; }

private:
    void Add(DriveEntry entry);

    std::vector<DriveEntry> entries_;
};
