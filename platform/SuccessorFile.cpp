#include "platform/SuccessorFile.h"

#include "platform/MbcsText.h"
#include "platform/SystemServices.h"

#include <algorithm>
#include <cstdint>

namespace {

// The longest full path Windows takes, without its terminator.
constexpr std::size_t kLongestPath = MAX_PATH - 1;
constexpr std::string_view kPrefix = "~tx";
constexpr std::size_t kMostDigits = 8;
// A scanner or an indexer holds a new or replaced file for a moment: a call that finds the file
// held is tried again for about a second, as editors and databases do.
constexpr int kBusyTries = 20;
constexpr DWORD kBusyRetryMilliseconds = 50;
// Names taken by other writers are passed over; this many in a row mean something else is wrong.
constexpr int kNameTries = 64;

bool Held(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

bool Taken(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }

// The target's folder with its final separator ("C:\Out\"), "C:" for "C:name", else empty.
std::string FolderOf(const std::string& target) {
    const std::size_t backslash = MbcsText::FindLast(target, '\\');
    const std::size_t slash = MbcsText::FindLast(target, '/');
    std::size_t end = 0;
    if (backslash != MbcsText::npos) end = backslash + 1;
    if (slash != MbcsText::npos) end = std::max(end, slash + 1);
    if (end == 0 && target.size() >= 2 && target[1] == ':') end = 2;
    return target.substr(0, end);
}

// The attempt-th candidate of this process: as many hex digits as the folder leaves room for
// (at least one), mixed from the process id and the attempt so that writers seldom meet.
std::string Candidate(const std::string& folder, std::uint32_t attempt) {
    const std::size_t room = kLongestPath > folder.size() + kPrefix.size() ? kLongestPath - folder.size() - kPrefix.size() : 0;
    const std::size_t digits = std::clamp<std::size_t>(room, 1, kMostDigits);
    std::uint32_t value = platform::GetCurrentProcessId() * 0x9E3779B1u + attempt * 0x85EBCA6Bu;
    std::string name(kPrefix);
    for (std::size_t i = 0; i < digits; ++i, value >>= 4) name += "0123456789abcdef"[value & 0xF];
    return folder + name;
}

}  // namespace

namespace platform {

std::string CreateSuccessor(const std::string& target, CFile& file) {
    static std::uint32_t attempts = 0;  // of the whole process, so that its successors differ too
    const std::string folder = FolderOf(target);
    constexpr UINT kFlags = CFile::modeCreateNew | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;
    int busy = 0;
    for (int names = 0; names < kNameTries;) {
        const std::string candidate = Candidate(folder, attempts++);
        if (file.Open(candidate, kFlags)) return candidate;
        const DWORD error = GetLastError();
        if (Taken(error)) {
            ++names;
        } else if (Held(error) && ++busy < kBusyTries) {
            Sleep(kBusyRetryMilliseconds);
        } else {
            return {};
        }
    }
    return {};
}

BOOL ReplaceWithSuccessor(const std::string& successor, const std::string& target) {
    for (int attempt = 1;; ++attempt) {
        if (ReplaceFile(successor, target)) return TRUE;
        if (attempt == kBusyTries || !Held(GetLastError())) return FALSE;
        Sleep(kBusyRetryMilliseconds);
    }
}

}  // namespace platform
