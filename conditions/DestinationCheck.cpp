#include "conditions/DestinationCheck.h"

#include "conditions/PathOperations.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "resources/MessageCaption.h"

#include <algorithm>

namespace {

constexpr const char* kCreateFolderQuestion = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
constexpr const char* kFolderFailedMessage = "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
constexpr const char* kOverwriteQuestion = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

constexpr const char* kForbiddenCharacters = "/:,;*?\"><|";

// Byte-wise on purpose: no byte of a double-byte character is below 0x40, so a control byte is a
// character of its own even right after a lead byte (where a character-wise walk would pair them).
bool HasControlCharacter(const std::string& path) {
    return std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool HasForbiddenCharacter(const std::string& path) {
    // No file name holds a control character or ends in half a character.
    if (HasControlCharacter(path) || EndsInLoneLeadByte(path)) return true;
    const bool network = IsNetworkPath(path);
    // A network path may not repeat its leading pair; another path may hold no pair at all.
    const std::size_t pairFrom = network ? CharacterOffset(path, 3) : 0;
    if (MbcsText::FindText(path, "\\\\", pairFrom) != MbcsText::npos) return true;
    std::string checked = path;
    if (network) {
        checked = path.substr(2);
    } else if (const std::size_t colon = MbcsText::Find(path, ':'); colon != MbcsText::npos) {
        checked = path.substr(colon + 1);
    }
    return MbcsText::FindAnyOf(checked, kForbiddenCharacters) != MbcsText::npos;
}

bool IsUsableShare(const std::string& path) {
    const std::size_t shareEnd = ShareNameEnd(path);
    return shareEnd != MbcsText::npos && platform::CanReadWrite(path.substr(0, shareEnd));
}

bool IsUsableDestinationDrive(const std::string& path) {
    if (IsNetworkPath(path)) return IsUsableShare(path);
    return IsUsableDrive(path[0]);
}

// What the user is told of each fault of the path text.
const char* MessageOf(PathFault fault) {
    switch (fault) {
        case PathFault::Empty: return "データ出力先が指定されていません。\n\n出力先を指定してください。";
        case PathFault::ForbiddenCharacter:
            return "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
        case PathFault::BadDrive: return "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
        case PathFault::NoFileName: return "ファイル名が指定されていません。";
        case PathFault::None: break;
    }
    return "";
}

void Warn(CWnd& dialog, const char* text) { dialog.MessageBox(text, kMessageCaption, MB_OK | MB_ICONWARNING); }

bool Ask(CWnd& dialog, const char* text) {
    return dialog.MessageBox(text, kMessageCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// A missing folder is made on request, level by level.
bool EnsureFolder(CWnd& dialog, const std::string& path) {
    const std::string folder = FolderPart(path);
    if (folder.empty() || IsFolder(folder)) return true;
    if (!Ask(dialog, kCreateFolderQuestion)) return false;
    if (CreateFolderChain(folder)) return true;
    Warn(dialog, kFolderFailedMessage);
    return false;
}

// What the path already names: a folder refuses, a file asks before it is replaced.
bool MayReplace(CWnd& dialog, const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        Warn(dialog, MessageOf(PathFault::NoFileName));  // a folder is no file name
        return false;
    }
    return Ask(dialog, kOverwriteQuestion);
}

bool RunChecks(CWnd& dialog, const std::string& path, bool fixedPath) {
    if (const PathFault fault = FindPathFault(path); fault != PathFault::None) {
        Warn(dialog, MessageOf(fault));
        return false;
    }
    if (!EnsureFolder(dialog, path)) return false;
    return fixedPath || MayReplace(dialog, path);
}

}  // namespace

PathFault FindPathFault(const std::string& path) {
    if (path.empty()) return PathFault::Empty;
    if (HasForbiddenCharacter(path)) return PathFault::ForbiddenCharacter;
    if (!IsUsableDestinationDrive(path)) return PathFault::BadDrive;
    if (FileNamePart(path).empty()) return PathFault::NoFileName;
    return PathFault::None;
}

bool IsUsableDrive(char letter) {
    if (!IsDriveLetter(letter)) return false;
    const char upper = letter >= 'a' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const std::string root = std::string(1, upper) + ":\\";
    switch (platform::GetDriveType(root)) {
        case DRIVE_UNKNOWN:
        case DRIVE_CDROM:
        case DRIVE_RAMDISK: return false;
        case DRIVE_REMOVABLE:
        case DRIVE_FIXED:
        case DRIVE_REMOTE: return platform::CanReadWrite(root);
        default: return true;  // no such root: the folder step reports it
    }
}

bool CheckDestination(CWnd& dialog, CEdit& pathEdit, const std::string& path, bool fixedPath) {
    if (RunChecks(dialog, path, fixedPath)) return true;
    pathEdit.SetFocus();
    pathEdit.SetSel(0, -1);
    return false;
}
