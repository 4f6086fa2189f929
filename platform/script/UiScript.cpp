#include "platform/script/UiScript.h"

#include "platform/MbcsText.h"
#include "platform/WinTypes.h"
#include "platform/WorldError.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The first word and what follows the one blank after it, verbatim.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
    const std::size_t end = text.find_first_of(kBlanks);
    if (end == std::string_view::npos) return {text, {}};
    return {text.substr(0, end), text.substr(end + 1)};
}

[[noreturn]] void Malformed(int number, const std::string& problem) {
    throw WorldError("UI script line " + std::to_string(number) + ": " + problem);
}

int ParseControlId(std::string_view word, int number) {
    const bool digits = !word.empty() && word.size() <= 5 &&
                        std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int id = digits ? std::stoi(std::string(word)) : 0;
    if (!digits || id < 1 || id > 65535) Malformed(number, "'" + std::string(word) + "' is no control id");
    return id;
}

// What the program gets of a typed text: a character CP932 lacks arrives as '?', as Windows
// gives it, so that the program's own checks meet it.
std::string ProgramText(std::string_view utf8, int number) {
    std::optional<std::string> text = TextCodec::ToCp932Replacing(utf8);
    if (!text) Malformed(number, "the text is not UTF-8");
    return *text;
}

void ParseKey(std::string_view spec, ScriptAction& action) {
    std::string_view rest = spec;
    for (std::size_t plus = rest.find('+'); plus != std::string_view::npos; plus = rest.find('+')) {
        const std::string modifier = Lower(rest.substr(0, plus));
        if (modifier == "shift") action.shift = true;
        else if (modifier == "ctrl") action.ctrl = true;
        else if (modifier == "alt") action.alt = true;
        else Malformed(action.line, "unknown modifier '" + modifier + "'");
        rest = rest.substr(plus + 1);
    }
    const std::string key = Lower(rest);
    if (key == "enter" || key == "return") action.virtualKey = VK_RETURN;
    else if (key == "esc" || key == "escape") action.virtualKey = VK_ESCAPE;
    else if (key == "f12") action.virtualKey = VK_F12;
    else Malformed(action.line, "unknown key '" + std::string(rest) + "' (Enter, F12 or Esc)");
}

}  // namespace

void ScriptError(const ScriptAction& action, const std::string& problem) {
    throw WorldError("UI script line " + std::to_string(action.line) + ": " + problem + " (" + DescribeAction(action) +
                     ")");
}

std::string DescribeAction(const ScriptAction& action) {
    std::string control;
    if (action.control) control.append(" ").append(std::to_string(action.control));
    switch (action.kind) {
        case ScriptAction::Kind::Text: return "text" + control + " " + TextCodec::ToUtf8(action.text);
        case ScriptAction::Kind::Click: return "click" + control;
        case ScriptAction::Kind::Key: {
            std::string key = action.virtualKey == VK_RETURN ? "Enter" : action.virtualKey == VK_ESCAPE ? "Esc" : "F12";
            if (action.alt) key = "alt+" + key;
            if (action.ctrl) key = "ctrl+" + key;
            if (action.shift) key = "shift+" + key;
            return "key " + key + control;
        }
        case ScriptAction::Kind::Answer: return "answer " + action.answer;
        case ScriptAction::Kind::Save: return "save " + TextCodec::ToUtf8(action.text);
        case ScriptAction::Kind::SaveCancel: return "save-cancel";
    }
    return {};
}

std::optional<ScriptAction> UiScript::ParseLine(std::string_view line, int number) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = line.substr(std::min(line.size(), line.find_first_not_of(kBlanks)));
    if (content.empty() || content.front() == '#') return std::nullopt;

    const auto [word, rest] = SplitWord(content);
    const std::string command = Lower(word);
    const std::string_view args = MbcsText::Trim(rest);
    ScriptAction action;
    action.line = number;
    if (command == "text") {
        action.kind = ScriptAction::Kind::Text;
        const auto [id, text] = SplitWord(rest.substr(std::min(rest.size(), rest.find_first_not_of(kBlanks))));
        action.control = ParseControlId(id, number);
        action.text = ProgramText(text, number);
    } else if (command == "click") {
        action.kind = ScriptAction::Kind::Click;
        action.control = ParseControlId(args, number);
    } else if (command == "key") {
        action.kind = ScriptAction::Kind::Key;
        const auto [key, control] = SplitWord(args);
        if (key.empty()) Malformed(number, "key needs a key name");
        ParseKey(key, action);
        if (!MbcsText::Trim(control).empty()) action.control = ParseControlId(MbcsText::Trim(control), number);
    } else if (command == "answer") {
        action.kind = ScriptAction::Kind::Answer;
        action.answer = Lower(args);
        if (action.answer != "ok" && action.answer != "yes" && action.answer != "no" && action.answer != "cancel")
            Malformed(number, "answer must be ok, yes, no or cancel");
    } else if (command == "save") {
        action.kind = ScriptAction::Kind::Save;
        if (args.empty()) Malformed(number, "save needs a path");
        action.text = ProgramText(args, number);
    } else if (command == "save-cancel") {
        action.kind = ScriptAction::Kind::SaveCancel;
        if (!args.empty()) Malformed(number, "save-cancel takes nothing more");
    } else {
        Malformed(number, "unknown action '" + std::string(word) + "'");
    }
    return action;
}

UiScript UiScript::FromText(std::string_view text) {
    UiScript script;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        script.lines_.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return script;
}

UiScript::UiScript(LineReader reader, Prompt prompt) : reader_(std::move(reader)), prompt_(std::move(prompt)) {}

std::optional<std::string> UiScript::ReadLine() {
    if (!reader_) {
        if (nextLine_ >= lines_.size()) return std::nullopt;
        return lines_[nextLine_++];
    }
    if (prompt_) prompt_();
    return reader_();
}

const ScriptAction* UiScript::Peek() {
    while (!pending_ && !ended_) {
        std::optional<std::string> line = ReadLine();
        if (!line) {
            ended_ = true;
            break;
        }
        ++lineNumber_;
        try {
            pending_ = ParseLine(*line, lineNumber_);
        } catch (const WorldError& error) {
            if (!prompt_) throw;
            std::cerr << error.what() << "\n";  // a person at the terminal tries again
        }
    }
    return pending_ ? &*pending_ : nullptr;
}

std::optional<ScriptAction> UiScript::Take() {
    Peek();
    std::optional<ScriptAction> action = std::move(pending_);
    pending_.reset();
    return action;
}

int UiScript::UnusedLineCount() {
    if (reader_) return 0;
    int unused = pending_ ? 1 : 0;
    for (std::size_t at = nextLine_; at < lines_.size(); ++at) {
        const std::string_view content = MbcsText::Trim(lines_[at]);
        if (!content.empty() && content != "\r" && content.front() != '#') ++unused;
    }
    return unused;
}
