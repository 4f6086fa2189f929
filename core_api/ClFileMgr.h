// Application folders of the accounting system (one per process).
#pragma once

#include <string>

class ClFileMgr {
public:
    static ClFileMgr* Inst();

    // Folder type 0: the default output folder; 1: the folder of the per-user settings file.
    // A folder ends in a backslash; the answer may be empty.
    std::string GetAppFolderPath(int type);

private:
    ClFileMgr() = default;
};
