#include "platform/script/Transcript.h"

#include "platform/WorldError.h"
#include "platform/TextCodec.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>

using Json = nlohmann::ordered_json;

namespace {

std::string Utf8(const std::string& cp932) { return TextCodec::ToUtf8(cp932); }

// One line for the terminal: newlines shown as " / ".
std::string Short(const std::string& cp932) {
    std::string text = Utf8(cp932);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 3))
        text.replace(at, 1, " / ");
    return text;
}

Json ControlsJson(const std::vector<ControlState>& controls) {
    Json object = Json::object();
    for (const ControlState& control : controls) {
        Json state = {{"text", Utf8(control.text)}, {"enabled", control.enabled}};
        if (control.checked) state["checked"] = *control.checked;
        object[std::to_string(control.id)] = std::move(state);
    }
    return object;
}

const char* IconName(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONWARNING: return "warning";
        case MB_ICONINFORMATION: return "information";
        case MB_ICONQUESTION: return "question";
        default: return "none";
    }
}

const char* AnswerName(int answer) {
    switch (answer) {
        case IDOK: return "ok";
        case IDYES: return "yes";
        case IDNO: return "no";
        case IDCANCEL: return "cancel";
        default: return "none";
    }
}

// Handles of 32-bit Windows: the transcript shows the 32-bit value, whatever the host's width.
std::uint32_t Window(std::uintptr_t window) { return static_cast<std::uint32_t>(window); }

}  // namespace

std::vector<std::string> SaveDialogFlagNames(DWORD flags) {
    static constexpr std::pair<DWORD, const char*> kNames[] = {
        {OFN_OVERWRITEPROMPT, "OFN_OVERWRITEPROMPT"}, {OFN_HIDEREADONLY, "OFN_HIDEREADONLY"},
        {OFN_NOCHANGEDIR, "OFN_NOCHANGEDIR"},         {OFN_PATHMUSTEXIST, "OFN_PATHMUSTEXIST"},
        {OFN_FILEMUSTEXIST, "OFN_FILEMUSTEXIST"},
    };
    std::vector<std::string> names;
    for (const auto& [flag, name] : kNames) {
        if (flags & flag) names.emplace_back(name);
        flags &= ~flag;
    }
    if (flags != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(flags));
        names.emplace_back(hex);
    }
    return names;
}

Transcript::~Transcript() { Close(); }

void Transcript::Open(const std::string& hostPath, bool echo, bool echoOnTerminal) {
    Close();
    lines_.clear();
    echo_ = echo;
    echoOnTerminal_ = echoOnTerminal;
    inPlaceCaptionOf_.reset();
    if (hostPath.empty()) return;
    file_ = std::fopen(hostPath.c_str(), "wb");
    if (!file_) throw WorldError("cannot write the transcript " + hostPath + ": " + std::strerror(errno));
}

void Transcript::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

template <class JsonObject>
void Transcript::Write(const JsonObject& event, const std::string& echo, std::optional<int> captionOf) {
    std::string line = event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (file_) {
        std::fwrite(line.data(), 1, line.size(), file_);
        std::fputc('\n', file_);
        std::fflush(file_);
    }
    lines_.push_back(std::move(line));
    Echo(echo, captionOf);
}

void Transcript::Echo(const std::string& text, std::optional<int> captionOf) {
    if (!echo_) return;
    const bool sameWindow = echoOnTerminal_ && captionOf && inPlaceCaptionOf_ == captionOf;
    // Up one line, back to its start; the rest of the longer old text is erased.
    if (sameWindow) std::cerr << "\x1b[A\r| " << text << "\x1b[K\n" << std::flush;
    else std::cerr << "| " << text << "\n";
    inPlaceCaptionOf_ = echoOnTerminal_ ? captionOf : std::nullopt;
}

void Transcript::DialogOpened(int id, const std::vector<ControlState>& controls) {
    Write(Json{{"event", "dialog"}, {"id", id}, {"action", "open"}, {"controls", ControlsJson(controls)}},
          "dialog " + std::to_string(id) + " open");
}

void Transcript::DialogEnded(int id, int code, const std::vector<ControlState>& controls) {
    Write(Json{{"event", "dialog"}, {"id", id}, {"action", "end"}, {"code", code}, {"controls", ControlsJson(controls)}},
          "dialog " + std::to_string(id) + " end " + std::to_string(code));
}

void Transcript::DialogShown(int id, bool shown) {
    const char* action = shown ? "show" : "hide";
    Write(Json{{"event", "dialog"}, {"id", id}, {"action", action}}, "dialog " + std::to_string(id) + " " + action);
}

void Transcript::DialogDestroyed(int id) {
    Write(Json{{"event", "dialog"}, {"id", id}, {"action", "destroy"}}, "dialog " + std::to_string(id) + " destroy");
}

void Transcript::MessageBox(std::optional<int> owner, const std::string& caption, const std::string& text, UINT type,
                            int answer) {
    const bool question = (type & MB_TYPEMASK) == MB_YESNO;
    Json event = {{"event", "msgbox"}, {"owner", nullptr}, {"caption", Utf8(caption)}, {"text", Utf8(text)},
                  {"icon", IconName(type)}, {"buttons", question ? "yesno" : "ok"}, {"answer", AnswerName(answer)}};
    if (owner) event["owner"] = *owner;
    Write(event, "msgbox [" + Short(caption) + "] " + Short(text) + " -> " + AnswerName(answer));
}

void Transcript::Focus(int id, int control, bool selectAll) {
    Write(Json{{"event", "focus"}, {"id", id}, {"control", control}, {"selectAll", selectAll}},
          "focus " + std::to_string(id) + "/" + std::to_string(control) + (selectAll ? " (all selected)" : ""));
}

void Transcript::Caption(int id, const std::string& text) {
    Write(Json{{"event", "caption"}, {"id", id}, {"text", Utf8(text)}},
          "caption " + std::to_string(id) + ": " + Short(text), id);
}

void Transcript::ToolTip(int id, int control, const std::string& text) {
    Write(Json{{"event", "tooltip"}, {"id", id}, {"control", control}, {"text", Utf8(text)}},
          "tooltip " + std::to_string(id) + "/" + std::to_string(control) + ": " + Short(text));
}

void Transcript::SaveDialog(const SaveDialogEvent& event) {
    Json json = {{"event", "savedialog"},        {"title", Utf8(event.title)},  {"filter", Utf8(event.filter)},
                 {"defext", Utf8(event.defext)}, {"folder", Utf8(event.folder)}, {"file", Utf8(event.file)},
                 {"flags", SaveDialogFlagNames(event.flags)}, {"answer", nullptr}};
    if (event.answer) json["answer"] = Utf8(*event.answer);
    if (!event.refused.empty()) {
        Json refused = Json::array();
        for (const std::string& path : event.refused) refused.push_back(Utf8(path));
        json["refused"] = std::move(refused);
    }
    Write(json, "save dialog [" + Short(event.title) + "] -> " + (event.answer ? Short(*event.answer) : "cancel"));
}

void Transcript::Parent(const char* action, std::uintptr_t window) {
    Write(Json{{"event", "parent"}, {"action", action}, {"window", Window(window)}},
          "parent " + std::to_string(Window(window)) + " " + action);
}

void Transcript::ParentPost(std::uintptr_t window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto wparam = static_cast<std::uint32_t>(wParam);
    const auto lparam = static_cast<std::int32_t>(lParam);
    Write(Json{{"event", "parent"}, {"action", "post"}, {"window", Window(window)}, {"message", message},
               {"wparam", wparam}, {"lparam", lparam}},
          "parent " + std::to_string(Window(window)) + " post " + std::to_string(message) + " " +
              std::to_string(wparam) + " " + std::to_string(lparam));
}

void Transcript::Failure(const std::string& call, const std::string& path, DWORD code, const std::string& text) {
    Write(Json{{"event", "failure"}, {"call", call}, {"path", Utf8(path)}, {"code", code}, {"text", Utf8(text)}},
          "failure " + call + " " + Short(path) + ": error " + std::to_string(code) + ": " + Short(text));
}

void Transcript::Exit(int code) {
    Write(Json{{"event", "exit"}, {"code", code}}, "exit " + std::to_string(code));
}
