// The UI script: one action a line, '#' comments and blank lines skipped. Lines are parsed
// when they are needed, so a malformed line fails (WorldError naming its line) only when the
// program reaches it.
#pragma once

#include "platform/script/ScriptAction.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class UiScript {
public:
    using LineReader = std::function<std::optional<std::string>()>;
    using Prompt = std::function<void()>;

    // An empty script: every window finds its end at once.
    UiScript() = default;
    static UiScript FromText(std::string_view text);
    // Lines from a reader (standard input). With a prompt the script is interactive: the
    // prompt runs before every line and a malformed line is reported and asked again.
    UiScript(LineReader reader, Prompt prompt);

    // The next action, nullptr at the end of the script.
    const ScriptAction* Peek();
    // Takes the action Peek answered; nullopt at the end.
    std::optional<ScriptAction> Take();
    // Actions never taken (for a warning at the end of a run).
    int UnusedLineCount();

    // A blank or comment line gives nullopt; a malformed line throws WorldError.
    static std::optional<ScriptAction> ParseLine(std::string_view line, int number);

private:
    std::optional<std::string> ReadLine();

    LineReader reader_;
    Prompt prompt_;
    std::vector<std::string> lines_;  // a script given as text
    std::size_t nextLine_ = 0;
    int lineNumber_ = 0;
    std::optional<ScriptAction> pending_;
    bool ended_ = false;
};
