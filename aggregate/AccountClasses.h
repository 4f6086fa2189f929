// The account classes (the core's codes) that the refund statement gathers: the sets of its
// lines, and the selections the account list is searched with, in the order they are asked.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace AccountClasses {

// The total lines that carry the book totals of a corporation's statement lines.
inline constexpr std::uint32_t kGoodsPurchaseTotal = 0x40884400;
inline constexpr std::uint32_t kAdminExpenseTotal = 0x40882000;
inline constexpr std::uint32_t kNonOperatingTotal = 0x40844000;
inline constexpr std::uint32_t kOtherProfitLossTotal = 0x40440000;

inline constexpr std::array<std::uint32_t, 13> kGoodsPurchase = {
    0x40884400, 0x20804000, 0x20400000, 0x20040000, 0x80881080, 0x80881040, 0x80881020,
    0x80881010, 0x80881008, 0x20400008, 0x20400004, 0x20200000, 0x20200040};
inline constexpr std::array<std::uint32_t, 6> kAdminExpense = {0x40882000, 0x40882040, 0x40882020,
                                                               0x40882010, 0x40882008, 0x40882004};
inline constexpr std::array<std::uint32_t, 1> kNonOperating = {0x40844000};
inline constexpr std::array<std::uint32_t, 3> kOtherProfitLoss = {0x40440000, 0x40440040, 0x40440080};

// An individual's purchases are the goods purchases; the expenses gather the corporate
// expense classes and one non-operating class of individuals.
inline constexpr const std::array<std::uint32_t, 13>& kIndividualPurchase = kGoodsPurchase;
inline constexpr std::array<std::uint32_t, 11> kIndividualExpense = {
    0x40882000, 0x40882040, 0x40882020, 0x40882010, 0x40882008, 0x40882004,
    0x40844000, 0x40844080, 0x40440000, 0x40440040, 0x40440080};

inline constexpr std::array<std::uint32_t, 23> kCorporateSelection = {
    0x40884400, 0x20804000, 0x20400000, 0x20200000, 0x40882000, 0x40844000, 0x40440000, 0x40440040,
    0x40440080, 0x40882040, 0x40882020, 0x40882010, 0x40882008, 0x40882004, 0x20200040, 0x20400008,
    0x20400004, 0x20040000, 0x80881080, 0x80881040, 0x80881020, 0x80881010, 0x80881008};
inline constexpr std::array<std::uint32_t, 24> kIndividualSelection = {
    0x40884400, 0x20804000, 0x20400000, 0x20200000, 0x40882000, 0x40882040, 0x40882020, 0x40882010,
    0x40882008, 0x40882004, 0x40844000, 0x40844080, 0x40440000, 0x40440080, 0x40440040, 0x20200040,
    0x20400008, 0x20400004, 0x20040000, 0x80881080, 0x80881040, 0x80881020, 0x80881010, 0x80881008};

constexpr bool Contains(std::span<const std::uint32_t> set, std::uint32_t accountClass) {
    return std::find(set.begin(), set.end(), accountClass) != set.end();
}

// The lines of the statements that the journal passes add to, by account class; negative
// for a class in none of them.
enum CorporateSet : int { GoodsPurchases, AdminExpenses, NonOperatingExpenses, OtherProfitLoss };
enum IndividualSet : int { Purchases, Expenses };

constexpr int CorporateSetOf(std::uint32_t accountClass) {
    if (Contains(kGoodsPurchase, accountClass)) return GoodsPurchases;
    if (Contains(kAdminExpense, accountClass)) return AdminExpenses;
    if (Contains(kNonOperating, accountClass)) return NonOperatingExpenses;
    if (Contains(kOtherProfitLoss, accountClass)) return OtherProfitLoss;
    return -1;
}

constexpr int IndividualSetOf(std::uint32_t accountClass) {
    if (Contains(kIndividualPurchase, accountClass)) return Purchases;
    if (Contains(kIndividualExpense, accountClass)) return Expenses;
    return -1;
}

namespace Check {
// Each selection holds exactly the classes of its sets, once each.
constexpr bool SelectsExactly(std::span<const std::uint32_t> selection,
                              std::initializer_list<std::span<const std::uint32_t>> sets) {
    std::size_t total = 0;
    for (auto set : sets) {
        total += set.size();
        for (std::uint32_t code : set)
            if (std::count(selection.begin(), selection.end(), code) != 1) return false;
    }
    return total == selection.size();
}
static_assert(SelectsExactly(kCorporateSelection, {kGoodsPurchase, kAdminExpense, kNonOperating, kOtherProfitLoss}));
static_assert(SelectsExactly(kIndividualSelection, {kIndividualPurchase, kIndividualExpense}));
}  // namespace Check

}  // namespace AccountClasses
