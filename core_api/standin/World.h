// The stand-in's process-wide state: the books, the call log, fault counters, the error
// record, the state of the set objects and their cursors.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksLoader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class ClSetBase;
class ClSetData;
class ClSetKamoku;
class ClSetBumon;
class ClSetShohizei;

namespace StandIn {

class AccountTotals;

// Stand-in statuses besides 0 and 5000.
inline constexpr std::int32_t kNotBound = 2001;        // no current data set
inline constexpr std::int32_t kUnknownData = 2002;     // no data set has that identifier
inline constexpr std::int32_t kNoRecord = 2003;        // the books hold no such record
inline constexpr std::int32_t kBadCursor = 2004;       // a cursor handle not handed out
inline constexpr std::int32_t kNotReady = 2005;        // a move before MoveReady
inline constexpr std::int32_t kBadArgument = 2006;     // a null record or a bad value

// The names under which the base-class calls of a set object are logged.
struct SetCallNames {
    const char* attachSetMgr;
    const char* setCurDataId;
    const char* getCursor;
    const char* readyCursor;
    const char* releaseCursor;
};

struct SetObjectState {
    const SetCallNames* names;
    int dataSet = -1;  // -1: the selected data set
    std::unordered_map<std::int32_t, std::size_t> cursors;  // handle -> next position
};

struct ErrorRecord {
    std::int32_t status = 0;
    std::string location;
    int line = 0;
};

class World {
public:
    // The world of this process; loads the books on first use (from a file: all but the
    // journals, which EnsureJournals reads).
    static World& Get();
    // The same without loading (test hooks).
    static World& Instance();

    const Books& BooksData() const { return books_; }
    // Reads the journals left in the books file, if any, at the first core call that needs
    // journal lines (WorldError when one does not fit); a run that needs none never reads them.
    void EnsureJournals();
    // Records the call in the log; answers the status that a fault makes it answer, if any.
    std::optional<std::int32_t> Fault(const char* name);
    void Log(const char* name);

    // Data sets by index; -1 when none.
    int SelectedDataSet() const { return selected_; }
    int DataSetById(const char* dataId) const;
    const BookDataSet* DataSet(int index) const;
    // Figures computed from a data set's journal at their first use (the journals read first).
    const JournalSummary& Summary(int index);
    AccountTotals& Totals(int index);
    void ForgetJournalFigures();

    // Set objects and their state.
    ClSetBase* SetObject(int number);
    SetObjectState& StateOf(const ClSetBase* object);
    int DataSetOf(const ClSetBase* object);  // the object's current data set or the selected one
    // Cursors of a set object: a new handle at position 0; the position of a handle handed
    // out (nullptr for others); forgetting one (false when unknown).
    std::int32_t NewCursor(const ClSetBase* object);
    std::size_t* CursorPosition(const ClSetBase* object, std::int32_t handle);
    // A set object's call on one of its cursors: the call logged, then the status of an
    // injected fault or kBadCursor for a handle not handed out; 0 with the cursor's position.
    std::int32_t CursorCall(const char* call, const ClSetBase* object, std::int32_t handle, std::size_t*& position);
    bool ReleaseCursor(const ClSetBase* object, std::int32_t handle);

    ErrorRecord& LastError() { return lastError_; }

    std::vector<std::string> CallLogText() const;
    void ClearCallLog() { log_.clear(); }

    void Install(Books&& books);
    void Clear();

private:
    World() = default;
    void EnsureLoaded();

    bool loaded_ = false;
    Books books_;
    std::unique_ptr<PendingJournals> pendingJournals_;
    int selected_ = -1;
    std::vector<std::int64_t> faultCalls_;
    // Runs of the same call are kept once with their count: a journal move logs one entry.
    struct LogRun {
        const char* name;
        std::size_t count;
    };
    std::vector<LogRun> log_;
    std::vector<SetObjectState> sets_;
    std::int32_t lastCursor_ = 0;
    ErrorRecord lastError_;
};

}  // namespace StandIn
