#include "platform/script/ApplicationRun.h"

#include "platform/CWinApp.h"
#include "platform/MbcsText.h"
#include "platform/WorldError.h"

#include <cstdlib>
#include <exception>
#include <iostream>

namespace {

int RunInstance(const std::string& commandLine, const WorldSetUp& setUp) {
    UiScript* script = setUp();
    CWinApp* app = AfxGetApp();
    if (!app) throw WorldError("the program has no application object");
    app->m_lpCmdLine = commandLine;
    app->InitInstance();
    const int code = app->ExitInstance();
    if (const int unused = script ? script->UnusedLineCount() : 0)
        std::cerr << "txlink: " << unused << " line(s) of the UI script were not used\n";
    return code;
}

}  // namespace

int RunApplication(const std::string& commandLine, const WorldSetUp& setUp) {
    try {
        return RunInstance(commandLine, setUp);
    } catch (const WorldError& error) {
        std::cerr << "txlink: " << error.what() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "txlink: the run ended with an exception: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "txlink: the run ended with an unknown exception\n";
    }
    return 3;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string CommandLineTail(std::string_view commandLine) {
    const auto blankOrControl = [&](std::size_t at) { return static_cast<unsigned char>(commandLine[at]) <= ' '; };
    std::size_t at = 0;
    for (bool quoted = false; at < commandLine.size() && (quoted || !blankOrControl(at));
         at += MbcsText::CharLength(commandLine, at)) {
        if (commandLine[at] == '"') quoted = !quoted;
    }
    while (at < commandLine.size() && blankOrControl(at)) ++at;
    return std::string(commandLine.substr(at));
}
