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

struct BookSide {
    std::int64_t amount = 0;
    std::int64_t tax = 0;
    std::int32_t account = 0;
    std::int32_t department = 0;
    std::int32_t rate = 0;
    std::uint8_t category = 0;
    std::uint8_t reduced = 0;
    std::uint8_t business = 0;
};

enum class Closing : std::uint8_t { None, Interim, YearEnd };

struct BookLine {
    BookSide debit;
    BookSide credit;
    std::int32_t date = 0;
    std::int16_t monthKind = 0;
    Closing closing = Closing::None;

    const BookSide& Side(int selector) const { return selector == 1 ? debit : credit; }
};

struct BookAsset {
    std::int32_t code = 0;
    std::string name;
    std::int32_t date = 0;
    std::int32_t kind = 0;
    std::int64_t cost = 0;
    std::int16_t incomeType = 0;
};

class AccountTotals;

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
    // Account totals, computed on first use.
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
