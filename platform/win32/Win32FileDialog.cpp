// The save-file dialog: GetSaveFileNameW with the program's options, owned by the window the
// program names when it is a real one.
#include "platform/CFileDialog.h"
#include "platform/FrameworkObserver.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/win32/CommonDialog.h"
#include "platform/win32/SystemDialogOwner.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"


namespace {

// "Xml Files (*.xml)|*.xml||" as the dialog takes it: pairs separated by NULs.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring wide = Wide(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') c = L'\0';
    }
    return wide + L'\0';
}

bool IsFile(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = MbcsText::FindLast(path, '\\');
    return slash == MbcsText::npos ? std::string() : path.substr(0, slash == 2 ? 3 : slash);
}

}  // namespace

// What Windows' own dialog refuses and keeps itself open for (a save dialog under some
// systems lets a missing file through even under OFN_FILEMUSTEXIST).
bool RefusedByOptions(const std::string& path, DWORD flags) {
    if ((flags & OFN_FILEMUSTEXIST) && !IsFile(path)) return true;
    return (flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !IsFolder(FolderOf(path));
}

INT_PTR CFileDialog::DoModal() {
    SaveDialogEvent event = OpeningEvent();
    Observer().FileDialogShowing();
    const SystemDialogOwner owner(parent_ ? parent_->GetSafeHwnd() : nullptr);

    FileDialogRequest request;
    request.open = open_ != FALSE;
    request.owner = owner.Window();
    request.title = Wide(event.title);
    request.filter = DialogFilter(filter_);
    request.defExt = Wide(defExt_);
    request.folder = Wide(event.folder);
    request.file = Wide(fileName_);
    request.flags = m_ofn.Flags;
    for (;;) {
        AwaitFileDialog(event.title, m_ofn.Flags, defExt_);
        const std::optional<std::wstring> chosen = ShowFileDialog(request);
        // Paths the script gave that the options refused before the dialog saw them.
        const std::vector<std::string> refused = SystemDialogEnded();
        event.refused.insert(event.refused.end(), refused.begin(), refused.end());
        World().Rethrow();
        if (!chosen) {
            Observer().FileDialogEnded(event);
            return IDCANCEL;
        }
        const std::string path = Narrow(*chosen);
        if (RefusedByOptions(path, m_ofn.Flags)) {
            event.refused.push_back(path);
            continue;
        }
        pathName_ = path;
        event.answer = path;
        Observer().FileDialogEnded(event);
        return IDOK;
    }
}
