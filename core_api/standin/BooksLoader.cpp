#include "core_api/standin/BooksLoader.h"

#include "core_api/StBUMONINFO.h"
#include "core_api/StKOTEISHISANINFO.h"
#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/BooksSax.h"
#include "core_api/standin/JournalFields.h"
#include "core_api/standin/JournalScanReader.h"
#ifdef TXLINK_HAVE_SIMDJSON
#include "core_api/standin/JournalReader.h"
#endif
#include "core_api/standin/SavedReturnKeys.h"
#include "platform/WorldError.h"

#include <cstring>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace StandIn {

namespace {

constexpr int kMaxMonths = 12;

std::int32_t ReadInt32(const Json& object, const char* key, const KeyPath& path, std::int64_t min,
                       std::int64_t max, std::int32_t absent = 0) {
    const Json* v = Member(object, key);
    KeyPath p = path.Key(key);
    return v ? static_cast<std::int32_t>(ReadInteger(*v, p, min, max)) : absent;
}

std::uint8_t ReadByte(const Json& object, const char* key, const KeyPath& path, std::int64_t max = 255) {
    return static_cast<std::uint8_t>(ReadInt32(object, key, path, 0, max));
}

bool ReadFlagOf(const Json& object, const char* key, const KeyPath& path, bool absent = false) {
    const Json* v = Member(object, key);
    KeyPath p = path.Key(key);
    return v ? ReadFlag(*v, p) : absent;
}

std::string ReadTextOf(const Json& object, const char* key, const KeyPath& path, std::size_t maxBytes) {
    const Json* v = Member(object, key);
    KeyPath p = path.Key(key);
    return v ? ReadText(*v, p, maxBytes) : std::string();
}

// Calls read(element, path) for every element of the list at key (absent: empty).
void ForEach(const Json& object, const char* key, const KeyPath& path,
             const std::function<void(const Json&, const KeyPath&)>& read) {
    const Json* list = Member(object, key);
    if (list == nullptr) return;
    KeyPath listPath = path.Key(key);
    RequireArray(*list, listPath);
    for (std::size_t i = 0; i < list->size(); ++i) {
        KeyPath elementPath = listPath.Index(static_cast<long>(i));
        read((*list)[i], elementPath);
    }
}

void ReadSlotArray(const Json& slots, const char* key, const KeyPath& path,
                   std::array<std::int64_t, kPeriodSlotCount>& into) {
    const Json* list = Member(slots, key);
    if (list == nullptr) return;
    KeyPath listPath = path.Key(key);
    RequireArray(*list, listPath);
    if (list->size() > kPeriodSlotCount) listPath.Fail("at most 15 amounts, one per period slot");
    for (std::size_t i = 0; i < list->size(); ++i) {
        KeyPath p = listPath.Index(static_cast<long>(i));
        into[i] = ReadAmount((*list)[i], p);
    }
}

BookAccount ReadAccount(const Json& value, const KeyPath& path) {
    RequireObject(value, path,
                  {"code", "name", "class", "excluded", "side", "total", "members", "sumExcluded", "sumExcluded2", "slots"});
    BookAccount account;
    account.code = ReadInt32(value, "code", path, INT32_MIN, INT32_MAX);
    account.name = ReadTextOf(value, "name", path, sizeof(StKAMOKUINFO::name) - 1);
    if (const Json* v = Member(value, "class")) {
        KeyPath p = path.Key("class");
        account.accountClass = ReadAccountClass(*v, p);
    }
    account.excluded = ReadByte(value, "excluded", path);
    account.side = static_cast<std::uint8_t>(ReadInt32(value, "side", path, 1, 2, 1));
    account.total = ReadFlagOf(value, "total", path);
    ForEach(value, "members", path, [&](const Json& member, const KeyPath& p) {
        account.members.push_back(static_cast<std::int32_t>(ReadInteger(member, p, INT32_MIN, INT32_MAX)));
    });
    account.sumExcluded = ReadFlagOf(value, "sumExcluded", path);
    account.sumExcluded2 = ReadFlagOf(value, "sumExcluded2", path);
    if (const Json* slots = Member(value, "slots")) {
        KeyPath p = path.Key("slots");
        RequireObject(*slots, p, {"debit", "debitIncl", "credit", "creditIncl"});
        SlotFigures figures;
        ReadSlotArray(*slots, "debit", p, figures.debit);
        ReadSlotArray(*slots, "debitIncl", p, figures.debitIncl);
        ReadSlotArray(*slots, "credit", p, figures.credit);
        ReadSlotArray(*slots, "creditIncl", p, figures.creditIncl);
        account.slots = figures;
    }
    return account;
}

BookDepartment ReadDepartment(const Json& value, const KeyPath& path) {
    RequireObject(value, path, {"code", "name", "link", "class", "incomeType"});
    BookDepartment department;
    department.code = ReadInt32(value, "code", path, INT32_MIN, INT32_MAX);
    department.name = ReadTextOf(value, "name", path, sizeof(StBUMONINFO::name) - 1);
    department.link = ReadInt32(value, "link", path, INT32_MIN, INT32_MAX);
    department.departmentClass = ReadByte(value, "class", path);
    department.incomeType = ReadByte(value, "incomeType", path);
    return department;
}

BookAsset ReadAsset(const Json& value, const KeyPath& path, std::int32_t position) {
    RequireObject(value, path, {"code", "name", "date", "kind", "cost", "incomeType"});
    BookAsset asset;
    asset.code = ReadInt32(value, "code", path, INT32_MIN, INT32_MAX, position);
    asset.name = ReadTextOf(value, "name", path, sizeof(StKOTEISHISANINFO::name) - 1);
    const Json* date = Member(value, "date");
    KeyPath datePath = path.Key("date");
    if (date == nullptr) datePath.Fail("an asset needs a date");
    asset.date = ReadDate(*date, datePath);
    asset.kind = ReadInt32(value, "kind", path, INT32_MIN, INT32_MAX);
    if (const Json* cost = Member(value, "cost")) {
        KeyPath p = path.Key("cost");
        asset.cost = ReadAmount(*cost, p);
    }
    asset.incomeType = static_cast<std::int16_t>(ReadInt32(value, "incomeType", path, INT16_MIN, INT16_MAX));
    return asset;
}

StSHOHIZEIINFO ReadTaxSettings(const Json& value, const KeyPath& path) {
    RequireObject(value, path, {"method", "rounding", "credit", "mainBusiness", "included"});
    StSHOHIZEIINFO tax{};
    tax.taxMethod = ReadByte(value, "method", path);
    tax.roundingMode = ReadByte(value, "rounding", path);
    tax.creditMethod = ReadByte(value, "credit", path);
    tax.mainBusiness = ReadByte(value, "mainBusiness", path);
    tax.taxIncludedBasis = ReadFlagOf(value, "included", path);
    return tax;
}

void StoreAmount(StSaveTaxInfo& info, std::size_t offset, std::int64_t amount) {
    std::memcpy(reinterpret_cast<unsigned char*>(&info) + offset, &amount, sizeof amount);
}

// A pair [first, last]: of calendar days in order for the books' own period; as stored for the
// saved return, whose dates the program itself judges (a day of 0, a range that runs backwards).
enum class DatePair { Calendar, Stored };

void ReadDatePair(const Json& object, const char* key, const KeyPath& path, DatePair kind, std::int32_t& first,
                  std::int32_t& last) {
    const Json* pair = Member(object, key);
    KeyPath p = path.Key(key);
    if (pair == nullptr) return;
    RequireArray(*pair, p);
    if (pair->size() != 2) p.Fail("expected [first, last]");
    KeyPath p0 = p.Index(0), p1 = p.Index(1);
    if (kind == DatePair::Stored) {
        first = ReadStoredDate((*pair)[0], p0);
        last = ReadStoredDate((*pair)[1], p1);
        return;
    }
    first = ReadDate((*pair)[0], p0);
    last = ReadDate((*pair)[1], p1);
    if (first > last) p.Fail("the first day is after the last day");
}

StSaveTaxInfo ReadSavedReturn(const Json& value, const KeyPath& path) {
    RequireObject(value, path,
                  {"period", "range", "kind", "credit", "interim", "transitional", "salesCalc", "purchaseCalc", "rates",
                   "refund"});
    StSaveTaxInfo info{};
    std::int32_t first = 0, last = 0;  // the record's fields are packed: no references to them
    ReadDatePair(value, "period", path, DatePair::Stored, first, last);
    info.periodFirst = first;
    info.periodLast = last;
    first = last = 0;
    ReadDatePair(value, "range", path, DatePair::Stored, first, last);
    info.rangeFirst = first;
    info.rangeLast = last;
    info.taxationKind = ReadByte(value, "kind", path);
    info.creditMethod = ReadByte(value, "credit", path);
    info.interimCode = ReadByte(value, "interim", path);
    info.transitionalAssets = ReadByte(value, "transitional", path);
    info.salesCalcMethod = ReadByte(value, "salesCalc", path);
    info.purchaseCalcMethod = ReadByte(value, "purchaseCalc", path);
    if (const Json* rates = Member(value, "rates")) {
        KeyPath ratesPath = path.Key("rates");
        RequireArray(*rates, ratesPath);
        if (rates->size() > kSavedRateCount) ratesPath.Fail("at most five rate objects (10%, 8% reduced, 8%, 5%, 3%)");
        for (std::size_t r = 0; r < rates->size(); ++r) {
            KeyPath ratePath = ratesPath.Index(static_cast<long>(r));
            const Json& rate = (*rates)[r];
            if (!rate.is_object()) ratePath.Fail("expected an object");
            for (const auto& [key, figure] : rate.items()) {
                if (!key.empty() && key[0] == '_') continue;
                KeyPath figurePath = ratePath.Key(key.c_str());
                std::size_t offset = 0;
                if (UnsavedElement(key)) {
                    ReadAmount(figure, figurePath);
                    continue;
                }
                if (!SavedFigureOffset(key, static_cast<int>(r), offset))
                    figurePath.Fail("no saved figure has this name");
                StoreAmount(info, offset, ReadAmount(figure, figurePath));
            }
        }
    }
    if (const Json* refund = Member(value, "refund")) {
        KeyPath refundPath = path.Key("refund");
        RequireObject(*refund, refundPath, {"flags", "amounts"});
        std::uint8_t flags[3] = {};
        std::size_t flagCount = 0;
        ForEach(*refund, "flags", refundPath, [&](const Json& flag, const KeyPath& p) {
            if (flagCount == 3) p.Fail("three flags: individual, corporate, corporateAssets");
            flags[flagCount++] = static_cast<std::uint8_t>(ReadInteger(flag, p, 0, 255));
        });
        info.refund.individualFlag = flags[0];
        info.refund.corporateFlag = flags[1];
        info.refund.corporateAssetsFlag = flags[2];
        std::size_t amountCount = 0;
        ForEach(*refund, "amounts", refundPath, [&](const Json& amount, const KeyPath& p) {
            if (amountCount == 16) p.Fail("at most sixteen amounts");
            StoreAmount(info, offsetof(StSaveTaxInfo, refund) + offsetof(StSaveTaxRefund, amounts) + amountCount++ * 8,
                        ReadAmount(amount, p));
        });
    }
    return info;
}

// A total line whose members lead back to it would never end.
void RefuseTotalCycles(const std::vector<BookAccount>& accounts, const KeyPath& path) {
    std::unordered_map<std::int32_t, const BookAccount*> byCode;
    for (const BookAccount& a : accounts) byCode.emplace(a.code, &a);
    std::unordered_map<std::int32_t, int> state;  // 1 visiting, 2 done
    std::function<bool(const BookAccount&)> acyclic = [&](const BookAccount& a) {
        int& s = state[a.code];
        if (s == 2) return true;
        if (s == 1) return false;
        s = 1;
        if (a.total)
            for (std::int32_t m : a.members) {
                auto it = byCode.find(m);
                if (it != byCode.end() && !acyclic(*it->second)) return false;
            }
        state[a.code] = 2;
        return true;
    };
    for (std::size_t i = 0; i < accounts.size(); ++i)
        if (!acyclic(accounts[i])) {
            KeyPath accountsPath = path.Key("accounts");
            KeyPath accountPath = accountsPath.Index(static_cast<long>(i));
            KeyPath membersPath = accountPath.Key("members");
            membersPath.Fail("the total line's members lead back to it");
        }
}

BookDataSet ReadDataSet(const Json& value, const KeyPath& path) {
    RequireObject(value, path,
                  {"id", "number", "company", "period", "interim", "kind", "entity", "incomeKind", "tax", "taxObject",
                   "rates", "accounts", "departments", "journal", "assets", "savedReturn"});
    BookDataSet dataSet;
    StDATAINFO& info = dataSet.info;
    CopyText(info.dataId, ReadTextOf(value, "id", path, sizeof info.dataId - 1));
    info.dataNo = ReadInt32(value, "number", path, INT32_MIN, INT32_MAX);
    CopyText(info.companyName, ReadTextOf(value, "company", path, sizeof info.companyName - 1));
    KeyPath periodPath = path.Key("period");
    if (Member(value, "period") == nullptr) periodPath.Fail("a data set needs its period [first, last]");
    std::int32_t first = 0, last = 0;
    ReadDatePair(value, "period", path, DatePair::Calendar, first, last);
    info.periodFirst = first;
    info.periodLast = last;
    info.interimSetting = ReadInt32(value, "interim", path, INT32_MIN, INT32_MAX);
    info.dataKind = static_cast<std::int16_t>(ReadInt32(value, "kind", path, INT16_MIN, INT16_MAX));
    info.entityKind = ReadByte(value, "entity", path);
    info.incomeKind = ReadByte(value, "incomeKind", path);

    AccountingCalendar calendar(info.periodFirst, info.periodLast, AccountingCalendar::ClosingDayOf(info.periodLast));
    if (calendar.Months().size() > kMaxMonths) periodPath.Fail("a period of more than twelve accounting months");

    auto tax = value.find("tax");
    if (tax != value.end() && !tax->is_null()) {
        KeyPath p = path.Key("tax");
        dataSet.tax = ReadTaxSettings(*tax, p);
    } else if (tax == value.end()) {
        dataSet.tax = StSHOHIZEIINFO{};
    }
    dataSet.taxObject = ReadFlagOf(value, "taxObject", path, true);
    dataSet.rateCount = ReadInt32(value, "rates", path, 0, 10, 5);
    ForEach(value, "accounts", path,
            [&](const Json& a, const KeyPath& p) { dataSet.accounts.push_back(ReadAccount(a, p)); });
    RefuseTotalCycles(dataSet.accounts, path);
    ForEach(value, "departments", path,
            [&](const Json& d, const KeyPath& p) { dataSet.departments.push_back(ReadDepartment(d, p)); });
    if (const Json* list = Member(value, "journal")) {
        KeyPath p = path.Key("journal");
        RequireArray(*list, p);
    }
    ForEach(value, "assets", path, [&](const Json& a, const KeyPath& p) {
        dataSet.assets.push_back(ReadAsset(a, p, static_cast<std::int32_t>(dataSet.assets.size() + 1)));
    });
    if (const Json* saved = Member(value, "savedReturn")) {
        KeyPath p = path.Key("savedReturn");
        dataSet.savedReturn = ReadSavedReturn(*saved, p);
    }
    return dataSet;
}

void ReadFaults(const Json& value, const KeyPath& path, Books& books) {
    if (!value.is_object()) path.Fail("expected an object of \"Class::Method\": status");
    for (const auto& [call, fault] : value.items()) {
        KeyPath p = path.Key(call.c_str());
        BookFault entry;
        entry.call = call;
        if (fault.is_object()) {
            RequireObject(fault, p, {"status", "after"});
            entry.status = ReadInt32(fault, "status", p, INT32_MIN, INT32_MAX);
            KeyPath afterPath = p.Key("after");
            if (const Json* after = Member(fault, "after")) entry.after = ReadInteger(*after, afterPath, 0, INT64_MAX);
        } else {
            entry.status = static_cast<std::int32_t>(ReadInteger(fault, p, INT32_MIN, INT32_MAX));
        }
        books.faults.push_back(entry);
    }
}

}  // namespace

Books ReadBooksHead(const Json& root) {
    KeyPath top;
    RequireObject(root, top, {"user", "selection", "folders", "connection", "faults", "dataSets"});
    Books books;
    books.user = ReadTextOf(root, "user", top, 64);
    if (const Json* selection = Member(root, "selection")) {
        KeyPath p = top.Key("selection");
        RequireArray(*selection, p);
        if (selection->size() != 2) p.Fail("expected two numbers");
        KeyPath p0 = p.Index(0), p1 = p.Index(1);
        books.selection[0] = static_cast<std::int32_t>(ReadInteger((*selection)[0], p0, INT32_MIN, INT32_MAX));
        books.selection[1] = static_cast<std::int32_t>(ReadInteger((*selection)[1], p1, INT32_MIN, INT32_MAX));
    }
    if (const Json* folders = Member(root, "folders")) {
        KeyPath p = top.Key("folders");
        RequireObject(*folders, p, {"output", "settings"});
        books.outputFolder = ReadTextOf(*folders, "output", p, 259);
        books.settingsFolder = ReadTextOf(*folders, "settings", p, 259);
    }
    if (const Json* connection = Member(root, "connection")) {
        KeyPath p = top.Key("connection");
        RequireObject(*connection, p, {"initiate", "link"});
        books.initiate = ReadInt32(*connection, "initiate", p, INT32_MIN, INT32_MAX);
        books.link = ReadInt32(*connection, "link", p, INT32_MIN, INT32_MAX);
    }
    if (const Json* faults = Member(root, "faults")) {
        KeyPath p = top.Key("faults");
        ReadFaults(*faults, p, books);
    }
    ForEach(root, "dataSets", top, [&](const Json& d, const KeyPath& p) { books.dataSets.push_back(ReadDataSet(d, p)); });
    return books;
}

void RefuseBooks(const std::string& name, const BooksFormatError& error) {
    throw WorldError(name + ": " + (error.path.empty() ? "(top level)" : error.path) + ": " + error.what());
}

namespace {

BooksHead ReadHead(BooksInput&& input, const BooksReadOptions& options) {
    const std::string name = input.Name();
    try {
        SplitBooks split = SplitJournals(input, options.linesPerChunk);
        BooksSax sax(split);
        Json::sax_parse(split.head, &sax);
        BooksHead head{ReadBooksHead(sax.Root()), nullptr};
        if (!split.journals.empty())
            head.journals = std::make_unique<PendingJournals>(std::move(input), std::move(split.journals), options.journals);
        return head;
    } catch (const BooksFormatError& e) {
        RefuseBooks(name, e);
    }
}

Books Complete(BooksHead&& head) {
    if (head.journals) head.journals->ReadInto(head.books);
    return std::move(head.books);
}

}  // namespace

PendingJournals::PendingJournals(BooksInput&& input, std::vector<JournalExtent>&& journals, JournalReading reading)
    : input_(std::move(input)), journals_(std::move(journals)), reading_(reading) {}

PendingJournals::~PendingJournals() = default;

namespace {

// A control byte in a string of a journal list, named at the first line of its chunk.
void RefuseControlByte(const JournalExtent& journal) {
    if (journal.controlByte == UINT64_MAX) return;
    std::size_t line = 0;
    for (const JournalChunk& chunk : journal.chunks)
        if (chunk.begin <= journal.controlByte) line = chunk.firstLine;
    FailAtLine(journal.dataSet, line,
               "not JSON near byte " + std::to_string(journal.controlByte) + ": a control character in a string",
               nullptr, nullptr);
}

}  // namespace

template <typename Reader>
void PendingJournals::ReadAllWith(Books& books) {
    Reader reader;
    for (const JournalExtent& journal : journals_) {
        if (journal.dataSet >= books.dataSets.size()) continue;
        BookDataSet& dataSet = books.dataSets[journal.dataSet];
        const StDATAINFO& info = dataSet.info;
        AccountingCalendar calendar(info.periodFirst, info.periodLast, AccountingCalendar::ClosingDayOf(info.periodLast));
        RefuseControlByte(journal);
        reader.Read(input_, journal, calendar, dataSet.journal);
    }
}

void PendingJournals::ReadInto(Books& books) {
    try {
#ifdef TXLINK_HAVE_SIMDJSON
        if (reading_ == JournalReading::Build) return ReadAllWith<JournalReader>(books);
#endif
        ReadAllWith<JournalScanReader>(books);
    } catch (const BooksFormatError& e) {
        RefuseBooks(input_.Name(), e);
    }
}

BooksHead ReadBooksHeadFile(const std::string& hostPath) {
    return ReadHead(BooksInput::File(hostPath), BooksReadOptions());
}

Books ReadBooksFile(const std::string& hostPath) { return Complete(ReadBooksHeadFile(hostPath)); }

Books ReadBooksText(std::string_view utf8Json, const std::string& name, const BooksReadOptions& options) {
    return Complete(ReadHead(BooksInput::Text(utf8Json, name), options));
}

}  // namespace StandIn
