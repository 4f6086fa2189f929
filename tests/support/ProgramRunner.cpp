#include "tests/support/ProgramRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

std::string MakeTemporaryFolder(const std::string& name) {
    std::string pattern = (fs::temp_directory_path() / ("txlink-" + name + ".XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

namespace {

std::string MakeRunFolder() {
    const std::string folder = MakeTemporaryFolder("scenario");
    fs::create_directories(folder + "/c");
    return folder;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Environment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : fallback;
}

// The programs of another build run the same scenarios: TXLINK_PROGRAM_DIR is their folder,
// TXLINK_PROGRAM_SUFFIX their file names' ending (".exe") and TXLINK_RUN_PREFIX a program
// that runs them (scripts/wine-run). By default, this build's own programs run directly.
std::string ProgramFile(const ProgramSetup& setup) {
    return setup.program + Environment("TXLINK_PROGRAM_SUFFIX", "");
}

// The program where it was built, or a copy of it in its own folder below drive C:.
std::string PlaceProgram(const ProgramSetup& setup, const std::string& folder) {
    const std::string built = Environment("TXLINK_PROGRAM_DIR", TXLINK_BINARY_DIR) + "/" + ProgramFile(setup);
    if (setup.programFolder.empty()) return built;
    const bool hostPath = setup.programFolder.front() == '/';
    const std::string place = hostPath ? setup.programFolder : folder + "/c/" + setup.programFolder;
    fs::create_directories(place);
    fs::copy_file(built, place + "/" + ProgramFile(setup), fs::copy_options::overwrite_existing);
    if (setup.zeimonDef != nullptr) WriteFile(place + "/ZeimonDef.ini", setup.zeimonDef);
    return place + "/" + ProgramFile(setup);
}

[[noreturn]] void ExecProgram(const ProgramSetup& setup, const std::string& folder, const std::string& binary) {
    setenv("TXLINK_UI", (folder + "/script.ui").c_str(), 1);
    setenv("TXLINK_TRANSCRIPT", (folder + "/transcript.jsonl").c_str(), 1);
    setenv("TXLINK_DRIVES", setup.drives.empty() ? ("C:=" + folder + "/c").c_str() : setup.drives.c_str(), 1);
    if (setup.books.empty()) {
        unsetenv("TXLINK_BOOKS");
    } else {
        setenv("TXLINK_BOOKS", (folder + "/books.json").c_str(), 1);
    }
    if (setup.faults.empty()) {
        unsetenv("TXLINK_FAULTS");
    } else {
        setenv("TXLINK_FAULTS", setup.faults.c_str(), 1);
    }
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, 0);
    const int err = open((folder + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(err, 2);
    const std::string prefix = Environment("TXLINK_RUN_PREFIX", "");
    std::vector<char*> argv;
    if (!prefix.empty()) argv.push_back(const_cast<char*>(prefix.c_str()));
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& arg : setup.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv.front(), argv.data());
    _exit(127);
}

}  // namespace

ProgramRun::ProgramRun(ProgramRun&& other) noexcept
    : exitStatus(other.exitStatus),
      transcript(std::move(other.transcript)),
      stderrText(std::move(other.stderrText)),
      folder(std::move(other.folder)) {
    other.folder.clear();
}

ProgramRun::~ProgramRun() {
    if (folder.empty() || std::getenv("TXLINK_KEEP_SCENARIOS") != nullptr) return;
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

std::vector<nlohmann::json> ProgramRun::Events(const std::string& event) const {
    std::vector<nlohmann::json> found;
    for (const auto& line : transcript) {
        if (line.value("event", "") == event) found.push_back(line);
    }
    return found;
}

std::vector<std::string> ProgramRun::ParentActions() const {
    std::vector<std::string> actions;
    for (const auto& line : Events("parent")) {
        std::string action = line.at("action").get<std::string>();
        if (action == "post") {
            action += " " + line.at("message").dump() + " " + line.at("wparam").dump() + " " + line.at("lparam").dump();
        }
        actions.push_back(action);
    }
    return actions;
}

std::vector<std::string> ProgramRun::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& line : Events("msgbox")) texts.push_back(line.at("text").get<std::string>());
    return texts;
}

StartedProgram StartProgram(const ProgramSetup& setup) {
    StartedProgram started;
    ProgramRun& run = started.run;
    run.folder = MakeRunFolder();
    WriteFile(run.folder + "/script.ui", setup.script);
    if (!setup.books.empty()) WriteFile(run.folder + "/books.json", setup.books);
    const std::string binary = PlaceProgram(setup, run.folder);
    started.pid = fork();
    if (started.pid == 0) ExecProgram(setup, run.folder, binary);
    return started;
}

ProgramRun WaitForProgram(StartedProgram started) {
    ProgramRun run = std::move(started.run);
    int status = 0;
    waitpid(started.pid, &status, 0);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.stderrText = ReadFile(run.folder + "/stderr.txt");
    std::istringstream lines(ReadFile(run.folder + "/transcript.jsonl"));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) run.transcript.push_back(nlohmann::json::parse(line));
    }
    return run;
}

ProgramRun RunProgram(const ProgramSetup& setup) { return WaitForProgram(StartProgram(setup)); }

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
