#include "report/ReportFile.h"

#include "platform/SystemServices.h"

#include <utility>

namespace {

constexpr UINT kHoldFlags = CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;

// "report.xml" becomes "report.xml.1234.tmp": two runs never share a successor.
std::string SuccessorOf(const std::string& destination) {
    return destination + "." + std::to_string(platform::GetCurrentProcessId()) + ".tmp";
}

}  // namespace

ReportFile::ReportFile(std::string destination)
    : destination_(std::move(destination)), successor_(SuccessorOf(destination_)) {}

bool ReportFile::Claim() {
    if (destination_.empty()) return false;
    const bool exists = platform::GetFileAttributes(destination_) != INVALID_FILE_ATTRIBUTES;
    claimed_ = hold_.Open(destination_, exists ? kHoldFlags : kHoldFlags | CFile::modeCreate) != FALSE;
    created_ = claimed_ && !exists;
    return claimed_;
}

bool ReportFile::Commit() {
    if (!hold_.IsOpen()) return false;
    hold_.Close();  // Windows replaces no file that is open
    committed_ = platform::ReplaceFile(successor_, destination_) != FALSE;
    return committed_;
}

void ReportFile::Discard() {
    if (committed_ || !claimed_) return;
    hold_.Close();
    platform::DeleteFile(successor_);
    if (created_) platform::DeleteFile(destination_);
    claimed_ = created_ = false;
}
