// Books and a context for the refund-statement tests: one data set, April to March, whose
// accounts, departments, journal and assets each test sets; the aggregation run in-process on
// the core stand-in with an activity bar that counts.
#pragma once

#include "aggregate/AggregationContext.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/TaxTotals.h"
#include "conditions/FiscalYear.h"
#include "conditions/MonthCondition.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"
#include "core_api/standin/StandIn.h"
#include "tests/aggregate/RefundBooks.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

#include <algorithm>
#include <string>

// Counts what the aggregation shows on the activity bar.
struct CountingActivity : ActivityIndicator {
    void Tick() override { ++ticks; }
    void Sweep() override {}
    void ResetActivity() override { ++resets; }
    void FillActivity() override { ++fills; }
    int ticks = 0;
    int resets = 0;
    int fills = 0;
};

class RefundFixture : public HostFixture {
protected:
    RefundFixture() {
        DataSet()["accounts"] = {RefundBooks::Account(RefundBooks::kCash, 0x10000000)};
        DataSet()["journal"] = nlohmann::json::array();
    }

    nlohmann::json& DataSet() { return SelectedDataSet(books_); }
    void MakeIndividual(int incomeKind) {
        DataSet()["entity"] = 3;
        DataSet()["incomeKind"] = incomeKind;
    }
    void AddAccount(const nlohmann::json& account) { DataSet()["accounts"].push_back(account); }
    void AddLine(const nlohmann::json& line) { DataSet()["journal"].push_back(line); }
    void AddDepartment(const nlohmann::json& department) { DataSet()["departments"].push_back(department); }
    void AddAsset(const nlohmann::json& asset) { DataSet()["assets"].push_back(asset); }
    void AddFault(const std::string& call, int status, int after) {
        books_["faults"][call] = {{"status", status}, {"after", after}};
    }

    // Loads the books and builds the month condition of the chosen calendar months.
    void Prepare(int startMonth = 4, int endMonth = 3) {
        LoadBooks(books_);
        auto* dataSets = DataManagerSetObject<SetObject::DataSets>();
        dataSet_ = *dataSets->GetSelectedInfo();
        settings_ = StSHOHIZEIINFO{};
        settings_.taxIncludedBasis = DataSet()["tax"].value("included", 0) != 0 ? 1 : 0;
        BuildMonthCondition(context_.monthCondition, GetFiscalYear(dataSet_.periodFirst, dataSet_.periodLast),
                            startMonth, endMonth, dataSet_.interimSetting);
        StandIn::ClearCallLog();
    }

    bool Corporate(int startMonth = 4, int endMonth = 3) {
        Prepare(startMonth, endMonth);
        return AggregateCorporateRefund(context_, totals_, dataSet_, settings_);
    }

    bool Individual(int startMonth = 4, int endMonth = 3) {
        Prepare(startMonth, endMonth);
        return AggregateIndividualRefund(context_, totals_, dataSet_, settings_);
    }

    static int Calls(const std::string& name) {
        const auto log = StandIn::CallLog();
        return static_cast<int>(std::count(log.begin(), log.end(), name));
    }

    nlohmann::json books_ = ScenarioBooks();
    CountingActivity activity_;
    AggregationContext context_{activity_};
    TaxTotals totals_;
    StDATAINFO dataSet_{};
    StSHOHIZEIINFO settings_{};
};

inline bool operator==(const RefundLine& a, const RefundLine& b) {
    return a.bookTotal == b.bookTotal && a.notTaxablePurchase == b.notTaxablePurchase;
}

inline void PrintTo(const RefundLine& line, std::ostream* os) {
    *os << "{bookTotal " << line.bookTotal << ", notTaxablePurchase " << line.notTaxablePurchase << "}";
}
