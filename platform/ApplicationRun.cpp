#include "platform/ApplicationRun.h"

#include "platform/CWinApp.h"
#include "platform/MbcsText.h"
#include "platform/WorldError.h"

#include <cstdlib>
#include <exception>
#include <iostream>

namespace {

int RunInstance(const std::string& commandLine, const std::function<void()>& setUp) {
    setUp();
    CWinApp* app = AfxGetApp();
    if (!app) throw WorldError("the program has no application object");
    app->m_lpCmdLine = commandLine;
    app->InitInstance();
    return app->ExitInstance();
}

int RunGuarded(const std::string& commandLine, const std::function<void()>& setUp) {
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

}  // namespace

int RunApplication(const std::string& commandLine, const std::function<void()>& setUp,
                   const std::function<void(int status)>& finish) {
    const int status = RunGuarded(commandLine, setUp);
    if (finish) finish(status);
    return status;
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
