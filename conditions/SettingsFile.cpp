#include "conditions/SettingsFile.h"

#include "conditions/PathOperations.h"
#include "core_api/ClFileMgr.h"
#include "platform/CFile.h"
#include "platform/SuccessorFile.h"
#include "platform/SystemServices.h"

#include <utility>
#include <vector>

namespace {

constexpr int kSettingsFolderType = 1;

// A writer waits this long for another one to finish its rewrite: 40 tries 50 ms apart, about
// two seconds, far longer than a rewrite takes.
constexpr int kLockTries = 40;
constexpr DWORD kLockRetryMilliseconds = 50;

// The lock file beside the settings file ("TxLinkAlto.env.lock"), kept for good: removing it
// would let a writer that opened it just before lock a name that no longer exists.
std::string LockPath(const std::string& path) { return path + ".lock"; }

// The whole file, however long.
std::string ReadAll(CFile& file) {
    std::string content;
    std::vector<char> chunk(64 * 1024);
    while (const UINT read = file.Read(chunk.data(), static_cast<UINT>(chunk.size()))) content.append(chunk.data(), read);
    return content;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Holds the lock file open exclusively while it lives, so that one writer at a time reads,
// changes and replaces the settings file; not held when the wait ran out.
class RewriteLock {
public:
    explicit RewriteLock(const std::string& path) {
        const std::string lockPath = LockPath(path);
        for (int attempt = 1;; ++attempt) {
            if (file_.Open(lockPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary))
                return;
            // A lock file that is not there could not be made: no writer holds it, none to wait for.
            if (attempt == kLockTries || !IsFile(lockPath)) return;
            platform::Sleep(kLockRetryMilliseconds);
        }
    }
    bool Held() const { return file_.IsOpen(); }

private:
    CFile file_;
};

// Opens the file for writing as it stands, to learn that it may be written, and answers its
// content; a missing file is created empty.
std::optional<std::string> TakeForRewrite(const std::string& path, bool exists) {
    CFile file;
    if (!exists) {
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite | CFile::typeBinary))
            return std::nullopt;
        return std::string();
    }
    if (!file.Open(path, CFile::modeReadWrite | CFile::shareDenyWrite | CFile::typeBinary)) return std::nullopt;
    return ReadAll(file);
}

// The new content goes to a successor beside the file, which then takes its place in one step.
bool ReplaceWith(const std::string& path, const std::string& content) {
    CFile file;
    const std::string successor = platform::CreateSuccessor(path, file);
    if (successor.empty()) return false;
    const bool written = file.Write(content.data(), static_cast<UINT>(content.size()));
    file.Close();
    if (written && platform::ReplaceWithSuccessor(successor, path)) return true;
    platform::DeleteFile(successor);
    return false;
}

}  // namespace

SettingsFile::SettingsFile(std::string folder, std::string fileName)
    : folder_(std::move(folder)), fileName_(std::move(fileName)) {
    if (!NormaliseFolder(folder_)) folder_.clear();  // too long for a path: no file to keep
}

SettingsFile SettingsFile::OfProgram(std::string fileName) {
    return SettingsFile(ClFileMgr::Inst()->GetAppFolderPath(kSettingsFolderType), std::move(fileName));
}

std::optional<RememberedConditions> SettingsFile::Read(const SettingsKey& key) const {
    if (folder_.empty() || !IsFile(Path())) return std::nullopt;
    CFile file;
    if (!file.Open(Path(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return std::nullopt;
    const std::string content = ReadAll(file);
    file.Close();
    const std::optional<std::string> value = FindSettingsValue(content, FormatSettingsKey(key));
    return value ? ParseSettingsValue(*value) : std::nullopt;
}

BOOL SettingsFile::Write(const SettingsKey& key, const RememberedConditions& conditions) const {
    const std::string keyText = FormatSettingsKey(key);
    const std::string line = FormatSettingsLine(keyText, conditions);
    if (folder_.empty()) return FALSE;
    if (!IsFolder(folder_) && !CreateFolderChain(folder_)) return FALSE;

    const std::string path = Path();
    const RewriteLock lock(path);
    if (!lock.Held()) return FALSE;
    const bool exists = platform::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
    const std::optional<std::string> content = TakeForRewrite(path, exists);
    if (!content) return FALSE;
    if (ReplaceWith(path, ReplaceSettingsLine(*content, keyText, line))) return TRUE;
    if (!exists) platform::DeleteFile(path);  // no empty file stays behind where there was none
    return FALSE;
}
