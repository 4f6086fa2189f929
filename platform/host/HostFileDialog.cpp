// The save-file dialog: answered by the script's next `save PATH` or `save-cancel` line. A
// path that the dialog's options refuse leaves the dialog open for the next line.
#include "platform/CFileDialog.h"
#include "platform/FrameworkObserver.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
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
    Observer().FileDialogShowing();

    WaitingFor waiting("save-file dialog [" + OneLine(event.title) + "] folder " + OneLine(event.folder) + ", file " +
              OneLine(event.file) + "\ntype: save PATH | save-cancel");

    for (;;) {
        const ScriptAction action = world.Driver().TakeSaveLine(event.title);
        if (action.kind == ScriptAction::Kind::SaveCancel) {
            Observer().FileDialogEnded(event);
            return IDCANCEL;
        }

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
        Observer().FileDialogEnded(event);
        if (!(m_ofn.Flags & OFN_NOCHANGEDIR)) platform::SetCurrentDirectory(chosen->Parent().Text());
        return IDOK;
    }
}
