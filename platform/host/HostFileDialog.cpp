// The save-file dialog: answered by the script's next `save PATH` or `save-cancel` line. A
// path that the dialog's options refuse leaves the dialog open for the next line.
#include "platform/CFileDialog.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/host/HostWorld.h"

namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The typed name joins the initial folder; a name without extension gets the default one.
std::optional<WindowsPath> ChosenPath(const std::string& typed, const char* initialDir, const std::string& defExt) {
    const HostWorld& world = World();
    const std::string base = initialDir && *initialDir ? initialDir : world.currentDirectory;
    std::optional<WindowsPath> folder = ResolveWindowsPath(base, world.currentDirectory);
    std::optional<WindowsPath> path = ResolveWindowsPath(typed, folder ? folder->Text() : world.currentDirectory);
    if (!path || path->names.empty()) return std::nullopt;
    std::string& name = path->names.back();
    if (!defExt.empty() && MbcsText::Find(name, '.') == MbcsText::npos) name += "." + defExt;
    return path;
}

}  // namespace

INT_PTR CFileDialog::DoModal() {
    HostWorld& world = World();
    SaveDialogEvent event = OpeningEvent();
    world.ReportFocus();

    WaitingFor waiting("save-file dialog [" + OneLine(event.title) + "] folder " + OneLine(event.folder) + ", file " +
              OneLine(event.file) + "\ntype: save PATH | save-cancel");

    for (;;) {
        const ScriptAction* next = world.script.Peek();
        if (!next) throw WorldError("the UI script ended while a save-file dialog waits: " + OneLine(event.title));
        if (next->kind == ScriptAction::Kind::SaveCancel) {
            world.script.Take();
            world.transcript.SaveDialog(event);
            return IDCANCEL;
        }
        if (next->kind != ScriptAction::Kind::Save)
            ScriptError(*next, "a save-file dialog waits for a save or save-cancel line");
        const ScriptAction action = *world.script.Take();

        const std::optional<WindowsPath> chosen = ChosenPath(action.text, m_ofn.lpstrInitialDir, defExt_);
        const std::string path = chosen ? chosen->Text() : action.text;
        const bool mustExist = m_ofn.Flags & OFN_FILEMUSTEXIST;
        const bool folderMustExist = m_ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
        const bool refused = !chosen || IsFolder(path) || (mustExist && !IsFile(path)) ||
                             (folderMustExist && !IsFolder(chosen->Parent().Text()));
        if (refused) {
            event.refused.push_back(path);
            continue;
        }
        if (!open_ && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && IsFile(path) &&
            platform::MessageBox(parent_ ? parent_->GetSafeHwnd() : nullptr,
                                 chosen->names.back() + " は既に存在します。\n上書きしますか?", event.title,
                                 MB_YESNO | MB_ICONWARNING) != IDYES) {
            event.refused.push_back(path);
            continue;
        }
        pathName_ = path;
        event.answer = path;
        world.transcript.SaveDialog(event);
        if (!(m_ofn.Flags & OFN_NOCHANGEDIR)) platform::SetCurrentDirectory(chosen->Parent().Text());
        return IDOK;
    }
}
