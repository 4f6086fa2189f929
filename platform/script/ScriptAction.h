// One line of a UI script, parsed: what the person does to the open window.
#pragma once

#include <string>

struct ScriptAction {
    enum class Kind { Text, Click, Key, Answer, Save, SaveCancel };

    Kind kind = Kind::Click;
    int line = 0;          // line number in the script, from 1
    int control = 0;       // text, click, key; 0 when a key line names no control
    std::string text;      // text: the typed text; save: the path (both CP932)
    int virtualKey = 0;    // key: VK_RETURN, VK_ESCAPE or VK_F12
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    std::string answer;    // answer: ok, yes, no or cancel
};

// The line as a person would write it, for messages ("click 1005").
std::string DescribeAction(const ScriptAction& action);
// A problem of the UI script at one of its lines: WorldError with the line and the action.
[[noreturn]] void ScriptError(const ScriptAction& action, const std::string& problem);
