// Faults injected into the platform services for tests (TXLINK_FAULTS), a comma-separated list:
//   write-fail-after=N  CFile refuses, whole, every write that would take the bytes written in
//                       the run past N (the transcript is not counted)
//   mkdir-fail=NAME     a folder of that name (any case) cannot be created; may repeat
//   create-fail=NAME    a file of that name cannot be created or opened for writing; may repeat
//                       (in both, a NAME ending in '*' names every name that starts with the rest)
//   replace-fail        ReplaceFile fails and leaves both files as they were
//   replace-fail=NAME   only a ReplaceFile whose target is named NAME fails; may repeat
//   cwd-fail            GetCurrentDirectory cannot read the current directory
//   busy-create=N:NAME  the first N creations of a file named NAME fail with a sharing
//                       violation, as while another program (a scanner) holds it; may repeat
//   busy-replace=N:NAME the same for the first N replacements of a file named NAME
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Faults {
    std::optional<std::uint64_t> writeFailAfter;
    std::vector<std::string> mkdirFail;   // CP932 names
    std::vector<std::string> createFail;  // CP932 names
    bool replaceFail = false;               // every replacement
    std::vector<std::string> replaceFailNames;  // CP932 names of targets
    bool cwdFail = false;
    struct Busy {
        std::string name;  // CP932, may end in '*'
        int left;          // how many more attempts it refuses
        bool replacement;  // refuses replacements, else creations
    };
    std::vector<Busy> busy;

    // An unknown or malformed entry throws WorldError naming it.
    static Faults Parse(std::string_view text);

    bool RefusesFolder(std::string_view name) const;
    bool RefusesFile(std::string_view name) const;
    bool RefusesReplace(std::string_view targetName) const;
    // A creation (or a replacement) of the file named name finds it held; each answer of
    // true uses up one of the entry's attempts.
    bool HoldsBusy(std::string_view name, bool replacement);
};
