// Runs one of the built programs as a separate process in the host world: books, a UI script,
// a drive table, faults and arguments in; exit status, transcript and stderr out.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

struct ProgramSetup {
    std::string program = "TxLinkAlto";
    // A folder to copy the program into and run it from, with this ZeimonDef.ini beside it
    // (nullptr: none): a host path when it starts with "/", else a folder below the run's
    // drive C:; empty runs the program where it was built.
    std::string programFolder;
    const char* zeimonDef = "[TX31]\r\nProgramLevel=4\r\n";
    std::string books;   // JSON text of the books; empty for the built-in sample
    std::string script;  // the UI script (UTF-8)
    std::string drives;  // TXLINK_DRIVES; "C:=<run folder>/c" when empty
    std::string faults;  // TXLINK_FAULTS
    std::vector<std::string> args;
};

// Removes its folder when it goes, unless TXLINK_KEEP_SCENARIOS is set.
struct ProgramRun {
    ProgramRun() = default;
    ProgramRun(ProgramRun&& other) noexcept;
    ProgramRun& operator=(ProgramRun&&) = delete;
    ~ProgramRun();

    int exitStatus = -1;
    std::vector<nlohmann::json> transcript;
    std::string stderrText;
    std::string folder;  // the run's own temporary folder; drive C: maps to folder + "/c"

    std::vector<nlohmann::json> Events(const std::string& event) const;
    // The parent events as "disable", "enable", "foreground", "post 32769 5 1".
    std::vector<std::string> ParentActions() const;
    std::vector<std::string> MessageTexts() const;
};

ProgramRun RunProgram(const ProgramSetup& setup);

// A program started and not yet waited for, so that several can run at once.
struct StartedProgram {
    ProgramRun run;
    int pid = -1;
};
StartedProgram StartProgram(const ProgramSetup& setup);
ProgramRun WaitForProgram(StartedProgram started);

// A new empty folder under the system's temporary folder, named "txlink-<name>.XXXXXX".
std::string MakeTemporaryFolder(const std::string& name);

// A UTF-8 literal as the bytes the transcript holds.
std::string Utf8(const char8_t* text);
