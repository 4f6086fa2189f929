// The per-user settings file (one per program, shared by every user and data set): remembers
// the conditions of the last finished run for each user and data set.
#pragma once

#include "conditions/SettingsEntry.h"
#include "platform/WinTypes.h"

#include <optional>
#include <string>

class SettingsFile {
public:
    // folder: the settings folder of the accounting system (may be empty); fileName: the
    // program's own, such as "TxLinkAlto.env".
    SettingsFile(std::string folder, std::string fileName);
    // The program's file in the accounting system's settings folder.
    static SettingsFile OfProgram(std::string fileName);

    // The conditions remembered for key; nullopt when the file, the entry or its three
    // slashes are missing.
    std::optional<RememberedConditions> Read(const SettingsKey& key) const;

    // Replaces the key's entries (or adds one) by one line at the file's end; creates a missing
    // folder without messages. The old file is replaced only by a complete successor, so a
    // failure leaves it as it was; writers of other processes wait for each other (a lock file
    // beside the file), so none loses another's entry. TRUE written, FALSE failed.
    BOOL Write(const SettingsKey& key, const RememberedConditions& conditions) const;

    std::string Path() const { return folder_ + fileName_; }

private:
    std::string folder_;  // ends in a backslash unless empty
    std::string fileName_;
};
