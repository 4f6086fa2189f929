// Test hooks of the core stand-in. The stand-in serves one set of books per process, loaded
// at the first call of a core class from the host file named by TXLINK_BOOKS, else from the
// built-in sample books. Tests may load other books in-process and read the log of core calls.
//
//   StandIn::LoadBooksText(json)   serve these books (UTF-8 JSON) from now on
//   StandIn::LoadBooksFile(path)   serve the books of this host file from now on
//   StandIn::Reset()               forget books, faults, call log and all core state; the next
//                                  call loads the books again as at start-up
//   StandIn::CallLog()             "Class::Method" of every core call since the last reset or
//                                  ClearCallLog, in order ("ClAccConnect::LogOut", ...);
//                                  constructors and destructors of rule and period objects
//                                  included; calls of ClSetBase and ClRuleBase methods are named
//                                  after the concrete class ("ClSetShohizei::SetCurDataID")
//   StandIn::ClearCallLog()
//   StandIn::ForgetJournalFigures()  forget what the stand-in has computed from the journals
//                                  (account totals and the like), as if no call had needed it
//
// Books that do not fit the format throw WorldError (one line: file, key path, problem).
#pragma once

#include <string>
#include <vector>

namespace StandIn {

void LoadBooksText(const std::string& utf8Json);
void LoadBooksFile(const std::string& hostPath);
void Reset();
std::vector<std::string> CallLog();
void ClearCallLog();
void ForgetJournalFigures();

}  // namespace StandIn
