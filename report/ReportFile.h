// The report's destination and the successor written beside it. The destination is held open
// exclusively while the successor is written, so that a file another program holds refuses
// the report as before; it is replaced in one step, and only by a complete successor.
#pragma once

#include "platform/CFile.h"

#include <string>

class ReportFile {
public:
    explicit ReportFile(std::string destination);
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile() { Discard(); }

    // Opens the destination for writing exclusively, without touching what it holds; a
    // missing one is created empty for the time of the run. False when it cannot be opened.
    // Then creates the successor beside it.
    bool Claim();
    // The file to write the report to, open: beside the destination, under a short name of its
    // own; nullptr when it could not be made.
    CFile* Successor() { return successor_.empty() ? nullptr : &successorFile_; }
    const std::string& SuccessorPath() const { return successor_; }
    // Puts the written successor in the destination's place; false leaves the destination as
    // it was (the caller discards).
    bool Commit();
    // Removes the successor and a destination that only this run created. Idempotent.
    void Discard();

private:
    std::string destination_;
    std::string successor_;  // empty until made
    CFile successorFile_;
    CFile hold_;
    bool claimed_ = false;
    bool created_ = false;
    bool committed_ = false;
};
