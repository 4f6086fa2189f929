#include "report/ReportFile.h"

#include "platform/SuccessorFile.h"
#include "platform/SystemServices.h"

#include <utility>

namespace {

constexpr UINT kHoldFlags = CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;

}  // namespace

ReportFile::ReportFile(std::string destination)
    : destination_(std::move(destination)) {}

bool ReportFile::Claim() {
    if (destination_.empty()) return false;
    const bool exists = platform::GetFileAttributes(destination_) != INVALID_FILE_ATTRIBUTES;
    claimed_ = hold_.Open(destination_, exists ? kHoldFlags : kHoldFlags | CFile::modeCreate) != FALSE;
    created_ = claimed_ && !exists;
    if (claimed_) successor_ = platform::CreateSuccessor(destination_, successorFile_);
    return claimed_;
}

bool ReportFile::Commit() {
    if (!hold_.IsOpen()) return false;
    if (successor_.empty()) return false;
    hold_.Close();  // Windows replaces no file that is open
    successorFile_.Close();
    committed_ = platform::ReplaceWithSuccessor(successor_, destination_) != FALSE;
    return committed_;
}

void ReportFile::Discard() {
    if (committed_ || !claimed_) return;
    hold_.Close();
    successorFile_.Close();
    if (!successor_.empty()) platform::DeleteFile(successor_);
    successor_.clear();
    if (created_) platform::DeleteFile(destination_);
    claimed_ = created_ = false;
}
