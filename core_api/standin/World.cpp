#include "core_api/standin/World.h"

#include "core_api/ClAccConnect.h"
#include "core_api/ClSetBumon.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetKamoku.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/standin/AccountTotals.h"
#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/EmbeddedBooks.h"
#include "core_api/standin/StandIn.h"
#include "platform/WorldError.h"

#include <cstdlib>
#include <cstring>

// The core's set objects, one each per process.
struct StandInSets {
    ClSetKamoku kamoku;
    ClSetBumon bumon;
    ClSetShohizei shohizei;
    ClSetData data;

    static StandInSets& Get() {
        static StandInSets sets;
        return sets;
    }
};

namespace StandIn {

namespace {

constexpr SetCallNames kSetCallNames[] = {
    {"ClSetKamoku::AttachSetMgr", "ClSetKamoku::SetCurDataID", "ClSetKamoku::GetCursor", "ClSetKamoku::ReadyCursor",
     "ClSetKamoku::ReleaseCursor"},
    {"ClSetBumon::AttachSetMgr", "ClSetBumon::SetCurDataID", "ClSetBumon::GetCursor", "ClSetBumon::ReadyCursor",
     "ClSetBumon::ReleaseCursor"},
    {"ClSetShohizei::AttachSetMgr", "ClSetShohizei::SetCurDataID", "ClSetShohizei::GetCursor",
     "ClSetShohizei::ReadyCursor", "ClSetShohizei::ReleaseCursor"},
    {"ClSetData::AttachSetMgr", "ClSetData::SetCurDataID", "ClSetData::GetCursor", "ClSetData::ReadyCursor",
     "ClSetData::ReleaseCursor"},
};

// The index of the data set whose number the user has selected; -1 when none has it.
int SelectedIndex(const Books& books) {
    for (std::size_t i = 0; i < books.dataSets.size(); ++i)
        if (books.dataSets[i].info.dataNo == books.selection[1]) return static_cast<int>(i);
    return -1;
}

// Books from a file keep their journals there until a core call needs them, so that the
// conditions dialog appears without waiting for a large journal.
BooksHead ReadStartUpBooks(std::string& name) {
    const char* path = std::getenv("TXLINK_BOOKS");
    if (path != nullptr && *path != '\0') {
        name = path;
        return ReadBooksHeadFile(path);
    }
    name = "built-in sample books";
    return BooksHead{ReadBooksText(EmbeddedBooks(), name), nullptr};
}

// A program runs on the data set the user has selected: books without it cannot serve a run.
BooksHead LoadStartUpBooks() {
    std::string name;
    BooksHead head = ReadStartUpBooks(name);
    const std::int32_t dataNo = head.books.selection[1];
    if (SelectedIndex(head.books) < 0)
        throw WorldError(name + ": selection: no data set has the selected number " + std::to_string(dataNo) +
                         " (selection [" + std::to_string(head.books.selection[0]) + ", " + std::to_string(dataNo) +
                         "])");
    return head;
}

}  // namespace

World& World::Instance() {
    static World world;
    return world;
}

World& World::Get() {
    World& world = Instance();
    world.EnsureLoaded();
    return world;
}

void World::EnsureLoaded() {
    if (loaded_) return;
    BooksHead head = LoadStartUpBooks();
    Install(std::move(head.books));
    pendingJournals_ = std::move(head.journals);
}

void World::EnsureJournals() {
    if (!pendingJournals_) return;
    std::unique_ptr<PendingJournals> pending = std::move(pendingJournals_);
    pending->ReadInto(books_);
}

void World::Install(Books&& books) {
    books_ = std::move(books);
    pendingJournals_.reset();
    loaded_ = true;
    faultCalls_.assign(books_.faults.size(), 0);
    selected_ = SelectedIndex(books_);
    sets_.clear();
    for (const SetCallNames& names : kSetCallNames) sets_.push_back({&names, -1, {}});
}

void World::Clear() {
    books_ = Books();
    pendingJournals_.reset();
    loaded_ = false;
    faultCalls_.clear();
    log_.clear();
    sets_.clear();
    lastCursor_ = 0;
    lastError_ = ErrorRecord();
    selected_ = -1;
}

void World::Log(const char* name) {
    if (!log_.empty() && log_.back().name == name) {
        ++log_.back().count;
        return;
    }
    log_.push_back({name, 1});
}

std::optional<std::int32_t> World::Fault(const char* name) {
    Log(name);
    for (std::size_t i = 0; i < books_.faults.size(); ++i) {
        const BookFault& fault = books_.faults[i];
        if (fault.call != name) continue;
        if (++faultCalls_[i] <= fault.after) return std::nullopt;
        return fault.status;
    }
    return std::nullopt;
}

std::vector<std::string> World::CallLogText() const {
    std::vector<std::string> text;
    for (const LogRun& run : log_) text.insert(text.end(), run.count, run.name);
    return text;
}

int World::DataSetById(const char* dataId) const {
    for (std::size_t i = 0; i < books_.dataSets.size(); ++i)
        if (std::strncmp(books_.dataSets[i].info.dataId, dataId, sizeof(StDATAINFO::dataId)) == 0)
            return static_cast<int>(i);
    return -1;
}

const BookDataSet* World::DataSet(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= books_.dataSets.size()) return nullptr;
    return &books_.dataSets[index];
}

const JournalSummary& World::Summary(int index) {
    EnsureJournals();
    BookDataSet& dataSet = books_.dataSets[index];
    if (!dataSet.summary) dataSet.summary = std::make_shared<JournalSummary>(dataSet);
    return *dataSet.summary;
}

AccountTotals& World::Totals(int index) {
    const JournalSummary& summary = Summary(index);
    BookDataSet& dataSet = books_.dataSets[index];
    if (!dataSet.totals) dataSet.totals = std::make_shared<AccountTotals>(dataSet, summary);
    return *dataSet.totals;
}

void World::ForgetJournalFigures() {
    for (BookDataSet& dataSet : books_.dataSets) {
        dataSet.totals.reset();
        dataSet.summary.reset();
    }
}

ClSetBase* World::SetObject(int number) {
    StandInSets& sets = StandInSets::Get();
    switch (number) {
    case 1: return &sets.kamoku;
    case 2: return &sets.bumon;
    case 4: {
        const BookDataSet* dataSet = DataSet(DataSetOf(&sets.shohizei));
        return dataSet != nullptr && !dataSet->taxObject ? nullptr : &sets.shohizei;
    }
    case 5: return &sets.data;
    }
    return nullptr;
}

SetObjectState& World::StateOf(const ClSetBase* object) {
    StandInSets& sets = StandInSets::Get();
    if (object == &sets.kamoku) return sets_[0];
    if (object == &sets.bumon) return sets_[1];
    if (object == &sets.shohizei) return sets_[2];
    return sets_[3];
}

std::int32_t World::NewCursor(const ClSetBase* object) {
    std::int32_t handle = ++lastCursor_;
    StateOf(object).cursors[handle] = 0;
    return handle;
}

std::size_t* World::CursorPosition(const ClSetBase* object, std::int32_t handle) {
    auto& cursors = StateOf(object).cursors;
    auto it = cursors.find(handle);
    return it == cursors.end() ? nullptr : &it->second;
}

std::int32_t World::CursorCall(const char* call, const ClSetBase* object, std::int32_t handle,
                               std::size_t*& position) {
    if (auto fault = Fault(call)) return *fault;
    position = CursorPosition(object, handle);
    return position == nullptr ? kBadCursor : 0;
}

bool World::ReleaseCursor(const ClSetBase* object, std::int32_t handle) {
    return StateOf(object).cursors.erase(handle) == 1;
}

int World::DataSetOf(const ClSetBase* object) {
    int dataSet = StateOf(object).dataSet;
    return dataSet >= 0 ? dataSet : selected_;
}

void LoadBooksText(const std::string& utf8Json) {
    Books books = ReadBooksText(utf8Json, "books text");
    World& world = World::Instance();
    world.Clear();
    world.Install(std::move(books));
}

void LoadBooksFile(const std::string& hostPath) {
    Books books = ReadBooksFile(hostPath);
    World& world = World::Instance();
    world.Clear();
    world.Install(std::move(books));
}

void Reset() {
    World::Instance().Clear();
    ClAccConnect* connection = ClAccConnect::Inst();
    connection->m_strTitle.clear();
    connection->m_hWnd = nullptr;
}

std::vector<std::string> CallLog() { return World::Instance().CallLogText(); }

void ClearCallLog() { World::Instance().ClearCallLog(); }

void ForgetJournalFigures() { World::Instance().ForgetJournalFigures(); }

}  // namespace StandIn
