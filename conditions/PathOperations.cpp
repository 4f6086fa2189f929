#include "conditions/PathOperations.h"

#include "platform/MbcsText.h"
#include "platform/SystemServices.h"

#include <vector>

namespace {

constexpr std::size_t kPathCapacity = kPathBytes + 1;

// Length of the root ("C:\" or "\\server\share\") that a folder stands on; 0 for a relative
// folder or one whose root cannot be told.
std::size_t RootLength(const std::string& folder) {
    if (folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == ':' && folder[2] == '\\') return 3;
    if (!IsNetworkPath(folder)) return 0;
    const std::size_t shareEnd = ShareNameEnd(folder);
    return shareEnd == MbcsText::npos ? 0 : shareEnd + 1;
}

void RemoveCreated(const std::vector<std::string>& created) {
    for (auto level = created.rbegin(); level != created.rend(); ++level) platform::RemoveDirectory(*level);
}

}  // namespace

bool EndsInLoneLeadByte(const std::string& text) {
    const std::size_t last = MbcsText::LastCharStart(text);
    return last != MbcsText::npos && last == text.size() - 1 &&
           platform::IsDBCSLeadByte(static_cast<unsigned char>(text[last]));
}

bool EnsureTrailingBackslash(std::string& text, std::size_t capacity) {
    if (text.empty() || EndsInLoneLeadByte(text)) return false;
    if (MbcsText::EndsWithBackslash(text)) return true;
    // A trail byte 0x5C (表, ソ) is half of a character, not a separator: it always gets one.
    if (!MbcsText::EndsWithTrailByte(text) && text.size() + 1 >= capacity) return false;
    text += '\\';
    return true;
}

bool NormaliseFolder(std::string& folder) { return EnsureTrailingBackslash(folder, kPathCapacity); }

bool IsFolder(const std::string& path) {
    const DWORD attributes = platform::GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateFolderChain(const std::string& folder) {
    std::string normalised = folder;
    if (!NormaliseFolder(normalised) || normalised.size() > kPathBytes) return false;
    const std::size_t rootLength = RootLength(normalised);
    if (rootLength == 0 || rootLength >= normalised.size()) return false;

    std::vector<std::string> created;
    for (std::size_t at = rootLength; at < normalised.size(); at += MbcsText::CharLength(normalised, at)) {
        if (normalised[at] != '\\') continue;
        const std::string level = normalised.substr(0, at + 1);
        if (IsFolder(level)) continue;
        if (!platform::CreateDirectory(level)) {
            RemoveCreated(created);
            return false;
        }
        created.push_back(level);
    }
    return true;
}

std::string FolderPart(const std::string& path) {
    const std::size_t lastSeparator = MbcsText::FindLast(path, '\\');
    return lastSeparator == MbcsText::npos ? std::string() : path.substr(0, lastSeparator + 1);
}

std::string FileNamePart(const std::string& path) {
    const std::size_t lastSeparator = MbcsText::FindLast(path, '\\');
    return lastSeparator == MbcsText::npos ? path : path.substr(lastSeparator + 1);
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsNetworkPath(const std::string& path) { return path.starts_with("\\\\"); }

std::size_t CharacterOffset(const std::string& text, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t count = 0; count < index && at < text.size(); ++count) at += MbcsText::CharLength(text, at);
    return at;
}

std::size_t ShareNameEnd(const std::string& path) {
    const std::size_t serverEnd = MbcsText::Find(path, '\\', CharacterOffset(path, 3));
    if (serverEnd == MbcsText::npos) return MbcsText::npos;
    return MbcsText::Find(path, '\\', serverEnd + 1);
}
