#include "platform/host/HostSession.h"

#include "platform/CWinApp.h"
#include "platform/WorldError.h"
#include "platform/host/HostPrompt.h"
#include "platform/host/HostWorld.h"
#include "platform/ApplicationRun.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

std::uint64_t bytesWrittenLast = 0;

std::string ProgramHostPath(const std::string& configured) {
    if (!configured.empty()) return configured;
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

std::string WorkingFolder() {
    char path[PATH_MAX];
    return ::getcwd(path, sizeof path) ? std::string(path) : std::string();
}

std::string ReadScript(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while (file && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const int error = !file || std::ferror(file) ? errno : 0;
    if (file) std::fclose(file);
    if (error) throw WorldError("cannot read the UI script " + path + ": " + std::strerror(error));
    return text;
}

UiScript StdinScript() {
    UiScript::LineReader reader = []() -> std::optional<std::string> {
        std::string line;
        if (!std::getline(std::cin, line)) return std::nullopt;
        return line;
    };
    if (!::isatty(STDIN_FILENO)) return UiScript(reader, {});
    return UiScript(reader, [] { ShowPrompt(World()); });
}

// The transcript of the last session stays readable until the next one starts.
std::vector<std::string>& LastTranscript() {
    static auto* lines = new std::vector<std::string>;
    return *lines;
}

void Reset(HostWorld& world) {
    world.windows.Clear();
    world.queue.clear();
    if (world.automation) {
        world.automation->transcript().Close();
        LastTranscript() = world.automation->transcript().Lines();
        bytesWrittenLast = world.automation->BytesWritten();
    }
    world.automation.reset();
    world.drives = DriveTable();
    world.waitCursor = 0;
    world.keyboard.Release();
    world.waiting.clear();
    world.lastError = 0;
    world.started = false;
}

}  // namespace

namespace HostSession {

void Start(const HostConfig& config) {
    HostWorld& world = World();
    Reset(world);
    LastTranscript().clear();
    bytesWrittenLast = 0;
    world.started = true;
    world.automation = std::make_unique<Automation>(
        AutomationConfig{config.transcriptPath, config.echo, config.echoOnTerminal}, world.keyboard);
    world.automation->SetScript(UiScript());  // the simulated windows have no one else to act on them
    world.automation->InjectFaults(config.faults);
    world.drives = config.drives ? DriveTable::Parse(*config.drives) : DriveTable::Default();
    if (config.scriptFromStdin) world.automation->SetScript(StdinScript());
    else world.automation->SetScript(UiScript::FromText(config.scriptPath.empty() ? config.script : ReadScript(config.scriptPath)));
    world.modulePath = world.drives.ToWindows(ProgramHostPath(config.modulePath)).value_or("");
    std::optional<WindowsPath> current =
        config.currentDirectory.empty()
            ? std::optional<WindowsPath>(ResolveWindowsPath(world.drives.ToWindows(WorkingFolder()).value_or(""), {}))
            : ResolveWindowsPath(config.currentDirectory, {});
    world.currentDirectory = current ? current->Text() : "";
}

void Stop() { Reset(World()); }

int Run(const HostConfig& config, const std::string& commandLine) {
    const int code = RunApplication(commandLine, [&config] { Start(config); }, [](int status) {
        if (Automation* automation = World().automation.get()) automation->Finish(status);
    });
    Stop();
    return code;
}

const std::vector<std::string>& TranscriptLines() {
    const HostWorld& world = World();
    return world.automation ? world.automation->transcript().Lines() : LastTranscript();
}

int WaitCursorDepth() { return World().waitCursor; }

std::uint64_t BytesWritten() {
    const HostWorld& world = World();
    return world.automation ? world.automation->BytesWritten() : bytesWrittenLast;
}

}  // namespace HostSession
