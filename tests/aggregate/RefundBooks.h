// Books of the refund-statement tests as JSON for the core stand-in: accounts, departments,
// journal lines against cash and assets, amounts in whole yen.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace RefundBooks {

using nlohmann::json;

constexpr std::int64_t Yen(std::int64_t yen) { return yen * 10000; }

constexpr int kCash = 100;

inline json Account(int code, std::uint32_t accountClass, json extra = json::object()) {
    json account = {{"code", code}, {"name", "A" + std::to_string(code)}, {"class", accountClass}};
    account.update(extra);
    return account;
}

// Figures per period slot: debit and credit given, the including-tax ones the same.
inline json Slots(const std::vector<std::int64_t>& debit, const std::vector<std::int64_t>& credit = {}) {
    return {{"debit", debit}, {"debitIncl", debit}, {"credit", credit}, {"creditIncl", credit}};
}

inline json Side(int account, std::int64_t amount, int category = 0, int department = 0, std::int64_t tax = 0) {
    return {{"account", account}, {"amount", amount}, {"category", category}, {"department", department},
            {"tax", tax}};
}

// A line debiting the account against cash.
inline json Line(int date, const json& debit, const json& credit = Side(kCash, 0)) {
    return {{"date", date}, {"debit", debit}, {"credit", credit}};
}

inline json Department(int code, int departmentClass, int link, int incomeType) {
    return {{"code", code}, {"name", "D" + std::to_string(code)}, {"class", departmentClass}, {"link", link},
            {"incomeType", incomeType}};
}

inline json Asset(int date, int kind, std::int64_t cost, int incomeType = 0) {
    return {{"date", date}, {"kind", kind}, {"cost", cost}, {"incomeType", incomeType}};
}

}  // namespace RefundBooks
