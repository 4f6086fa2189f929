// The books that the stand-in serves, as loaded from JSON: texts already CP932, amounts in
// ten-thousandths of a yen, journal month positions already resolved.
#pragma once

#include "core_api/StDATAINFO.h"
#include "core_api/StKAMOKUINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "core_api/StSaveTaxInfo.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace StandIn {

// The four slot arrays of an account-total record.
struct SlotFigures {
    std::array<std::int64_t, kPeriodSlotCount> debit{};
    std::array<std::int64_t, kPeriodSlotCount> debitIncl{};
    std::array<std::int64_t, kPeriodSlotCount> credit{};
    std::array<std::int64_t, kPeriodSlotCount> creditIncl{};
};

struct BookAccount {
    std::int32_t code = 0;
    std::string name;
    std::uint32_t accountClass = 0;
    std::uint8_t excluded = 0;
    std::uint8_t side = 1;
    bool total = false;
    std::vector<std::int32_t> members;
    std::uint8_t sumExcluded = 0;
    std::uint8_t sumExcluded2 = 0;
    std::optional<SlotFigures> slots;  // replaces the computed figures
};

struct BookDepartment {
    std::int32_t code = 0;
    std::string name;
    std::int32_t link = 0;
    std::uint8_t departmentClass = 0;
    std::uint8_t incomeType = 0;
};

// One side of a journal line as the core serves it.
struct BookSide {
    std::int64_t amount = 0;
    std::int64_t tax = 0;
    std::int32_t account = 0;
    std::int32_t department = 0;
    std::int32_t rate = 0;  // 0..100000
    std::uint8_t category = 0;
    std::uint8_t reduced = 0;  // 0 or 1
    std::uint8_t business = 0;  // 0..6
};

enum class Closing : std::uint8_t { None, Interim, YearEnd };

// A journal line held in 60 bytes: the large books hold millions of them. The small fields of
// both sides and the month position share one word (see Codes), which is all that a search
// condition reads.
struct __attribute__((packed, aligned(4))) BookLine {
    // Bits of a side's small fields; the debit side's at 0, the credit side's at kSideBits.
    static constexpr int kRateBits = 17, kCategoryShift = 17, kReducedShift = 25, kBusinessShift = 26;
    static constexpr int kSideBits = 29;
    static constexpr int kMonthShift = 58;  // 5 bits: 1-12, 15, 18

    std::int64_t amount[2] = {};
    std::int64_t tax[2] = {};
    std::int32_t account[2] = {};
    std::int32_t department[2] = {};
    std::uint64_t codes = 0;
    std::int32_t date = 0;

    // The small fields of a side (selector 1: debit, else credit) and the month position, read
    // from a codes word: all that a search condition or the return rule reads of a line.
    static std::uint64_t SideCodes(std::uint64_t codes, int selector) {
        return codes >> (selector == 1 ? 0 : kSideBits);
    }
    static std::int32_t RateOf(std::uint64_t codes, int selector) {
        return static_cast<std::int32_t>(SideCodes(codes, selector) & ((1u << kRateBits) - 1));
    }
    static std::uint8_t CategoryOf(std::uint64_t codes, int selector) {
        return static_cast<std::uint8_t>(SideCodes(codes, selector) >> kCategoryShift);
    }
    static std::uint8_t ReducedOf(std::uint64_t codes, int selector) {
        return static_cast<std::uint8_t>((SideCodes(codes, selector) >> kReducedShift) & 1);
    }
    static std::uint8_t BusinessOf(std::uint64_t codes, int selector) {
        return static_cast<std::uint8_t>((SideCodes(codes, selector) >> kBusinessShift) & 7);
    }
    static std::int16_t MonthKindOf(std::uint64_t codes) { return static_cast<std::int16_t>(codes >> kMonthShift); }

    // selector 1: debit, else credit.
    BookSide Side(int selector) const {
        const int i = selector == 1 ? 0 : 1;
        BookSide side;
        side.amount = amount[i];
        side.tax = tax[i];
        side.account = account[i];
        side.department = department[i];
        side.rate = RateOf(codes, selector);
        side.category = CategoryOf(codes, selector);
        side.reduced = ReducedOf(codes, selector);
        side.business = BusinessOf(codes, selector);
        return side;
    }
    void SetSide(int selector, const BookSide& side) {
        const int i = selector == 1 ? 0 : 1;
        amount[i] = side.amount;
        tax[i] = side.tax;
        account[i] = side.account;
        department[i] = side.department;
        const std::uint64_t c = static_cast<std::uint64_t>(side.rate) |
                                static_cast<std::uint64_t>(side.category) << kCategoryShift |
                                static_cast<std::uint64_t>(side.reduced & 1) << kReducedShift |
                                static_cast<std::uint64_t>(side.business & 7) << kBusinessShift;
        const std::uint64_t mask = ((std::uint64_t{1} << kSideBits) - 1) << (i * kSideBits);
        codes = (codes & ~mask) | (c << (i * kSideBits));
    }
    std::int16_t MonthKind() const { return MonthKindOf(codes); }
    void SetMonthKind(int position) {
        codes = (codes & ((std::uint64_t{1} << kMonthShift) - 1)) | static_cast<std::uint64_t>(position) << kMonthShift;
    }
};
static_assert(sizeof(BookLine) == 60);

struct BookAsset {
    std::int32_t code = 0;
    std::string name;
    std::int32_t date = 0;
    std::int32_t kind = 0;
    std::int64_t cost = 0;
    std::int16_t incomeType = 0;
};

class AccountTotals;
class JournalSummary;

struct BookDataSet {
    StDATAINFO info{};
    bool taxObject = true;
    std::optional<StSHOHIZEIINFO> tax;  // nullopt: Get fails
    int rateCount = 5;
    std::vector<BookAccount> accounts;
    std::vector<BookDepartment> departments;
    std::vector<BookLine> journal;
    std::vector<BookAsset> assets;
    std::optional<StSaveTaxInfo> savedReturn;
    // Figures computed from the journal on first use.
    std::shared_ptr<JournalSummary> summary;
    std::shared_ptr<AccountTotals> totals;
};

struct BookFault {
    std::string call;  // "Class::Method"
    std::int32_t status = 0;
    std::int64_t after = 0;  // the first `after` calls answer as usual
};

struct Books {
    std::string user;
    std::int32_t selection[2] = {0, 0};
    std::string outputFolder;
    std::string settingsFolder;
    std::int32_t initiate = 0;
    std::int32_t link = 0;
    std::vector<BookFault> faults;
    std::vector<BookDataSet> dataSets;
};

}  // namespace StandIn
