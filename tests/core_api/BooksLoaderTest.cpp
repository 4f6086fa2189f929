// The books loader: exact amounts, CP932 texts, defaults, and books that do not fit the format
// (one line naming the file, the key path and the problem).
#include "CoreTestSupport.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/ClSaveTaxShiryo.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"
#include "core_api/standin/BooksValues.h"
#include "platform/WorldError.h"

#include <gtest/gtest.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace CoreTest;

namespace {

std::string ErrorOf(const std::string& json) {
    try {
        StandIn::LoadBooksText(json);
    } catch (const WorldError& e) {
        return e.what();
    }
    return "(loaded)";
}

std::string DataSetBooks(const std::string& members) {
    return R"({"dataSets": [{"id": "D1", "number": 1, "period": [20240401, 20250331])" + members + "}]}";
}

TEST(BooksLoaderTest, AmountsAreExactTenThousandths) {
    std::int64_t amount = 0;
    EXPECT_TRUE(StandIn::ParseAmountText("1234.5", amount));
    EXPECT_EQ(amount, 12345000);
    EXPECT_TRUE(StandIn::ParseAmountText("-0.0001", amount));
    EXPECT_EQ(amount, -1);
    EXPECT_TRUE(StandIn::ParseAmountText("922337203685477.5807", amount));
    EXPECT_EQ(amount, INT64_MAX);
    EXPECT_FALSE(StandIn::ParseAmountText("922337203685477.5808", amount));
    EXPECT_FALSE(StandIn::ParseAmountText("1.23456", amount));
    EXPECT_FALSE(StandIn::ParseAmountText("1.", amount));
    EXPECT_FALSE(StandIn::ParseAmountText(".5", amount));
    EXPECT_FALSE(StandIn::ParseAmountText("1e3", amount));
    EXPECT_FALSE(StandIn::ParseAmountText("+1", amount));
    EXPECT_FALSE(StandIn::ParseAmountText("", amount));
}

TEST(BooksLoaderTest, ErrorsNameTheKeyPathAndTheProblem) {
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "journal": [{"date": 20240401, "debit": {"amount": "1.23456"}}])")),
              "books text: dataSets[0].journal[0].debit.amount: not an amount of yen with at most four fraction "
              "digits: \"1.23456\"");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "journal": [{"date": 20240401}, {"date": 20230401}])")),
              "books text: dataSets[0].journal[1].date: the date 20230401 is outside the accounting period");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "accounts": [{"code": 1, "colour": 2}])")),
              "books text: dataSets[0].accounts[0]: unknown key \"colour\"");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "accounts": [{"code": 1, "side": 3}])")),
              "books text: dataSets[0].accounts[0].side: integer out of range 1..2: 3");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "accounts": [{"code": 1, "class": "0xZZ"}])")),
              "books text: dataSets[0].accounts[0].class: not an account class: \"0xZZ\"");
    EXPECT_EQ(ErrorOf(R"({"selection": [1]})"), "books text: selection: expected two numbers");
    EXPECT_EQ(ErrorOf(R"({"dataSets": [{"id": "D1", "period": [20240401, 20260331]}]})"),
              "books text: dataSets[0].period: a period of more than twelve accounting months");
    EXPECT_EQ(ErrorOf(R"({"dataSets": [{"id": "D1"}]})"),
              "books text: dataSets[0].period: a data set needs its period [first, last]");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "savedReturn": {"rates": [{"KAZEIURIAGEZEROZEINUKIX": 1}]})")),
              "books text: dataSets[0].savedReturn.rates[0].KAZEIURIAGEZEROZEINUKIX: no saved figure has this name");
    // The remainders without a business category are elements of the report the saved return
    // keeps nothing for: books may name them.
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "savedReturn": {"rates": [{"KAZEIURIAGEZEROZEINUKI": 1, "KAZEIHENKANZEROZEIKOMI": 2}]})")),
              "(loaded)");
    EXPECT_EQ(ErrorOf(DataSetBooks(
                  R"(, "accounts": [{"code": 1, "total": 1, "members": [2]}, {"code": 2, "total": 1, "members": [1]}])")),
              "books text: dataSets[0].accounts[0].members: the total line's members lead back to it");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "journal": [3])")),
              "books text: dataSets[0].journal[0]: a journal line must be an object");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "journal": [{"date": 20240401, "closing": "monthly"}])")),
              "books text: dataSets[0].journal[0].closing: expected \"interim\" or \"yearEnd\"");
    std::string tooLong(41, 'x');
    EXPECT_EQ(ErrorOf(R"({"dataSets": [{"id": ")" + tooLong + R"(", "period": [20240401, 20250331]}]})"),
              "books text: dataSets[0].id: text longer than 39 bytes in CP932: \"" + tooLong.substr(0, 36) + "...");
}

TEST(BooksLoaderTest, MalformedJsonNamesWhereItStopped) {
    std::string error = ErrorOf(R"({"user": "u", "dataSets": [{"id": "D1", "number": 1,})");
    EXPECT_EQ(error.rfind("books text: dataSets[0].number: not JSON near byte ", 0), 0u) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST(BooksLoaderTest, UnreadableFileNamesItAndTheReason) {
    const struct {
        const char* path;
        const char* says;
    } cases[] = {
        {"/nonexistent/books.json", "/nonexistent/books.json: the books file cannot be read: No such file or directory"},
        {"/", "/: the books file cannot be read: Is a directory"},
    };
    for (const auto& c : cases) {
        try {
            StandIn::LoadBooksFile(c.path);
            ADD_FAILURE() << "loaded " << c.path;
        } catch (const WorldError& e) {
            EXPECT_STREQ(e.what(), c.says);
        }
    }
}

TEST(BooksLoaderTest, TextsBecomeCp932AndDefaultsApply) {
    // UTF-8 bytes of the company name (an ordinary literal would already be CP932).
    const char8_t name[] = u8"株式会社ソ表";
    std::string json = R"({"selection": [0, 1], "dataSets": [{"id": "D1", "number": 1, "company": ")" +
                       std::string(reinterpret_cast<const char*>(name)) + R"(", "period": [20240401, 20250331]}]})";
    Load(json);
    auto* data = DataManagerSetObject<SetObject::DataSets>();
    EXPECT_STREQ(data->GetSelectedInfo()->companyName, "株式会社ソ表");
    auto* tax = DataManagerSetObject<SetObject::TaxSettings>();
    ASSERT_NE(tax, nullptr);
    EXPECT_EQ(tax->GetTaxRateCount(), 5);
    StSHOHIZEIINFO settings;
    std::memset(&settings, 0xFF, sizeof settings);
    EXPECT_EQ(tax->Get(&settings), 0);
    EXPECT_EQ(+settings.taxMethod, 0);
    ClSaveTaxShiryo saved;
    ASSERT_EQ(saved.SetCurDataID("D1"), 0);
    StSaveTaxInfo info{};
    EXPECT_NE(saved.GetTaxSaveInfo(&info), 0);  // no saved return in the books
}

TEST(BooksLoaderTest, TextThatCp932LacksIsRefused) {
    const char8_t emoji[] = u8"\U0001F600";
    std::string error = ErrorOf(R"({"user": ")" + std::string(reinterpret_cast<const char*>(emoji)) + R"("})");
    EXPECT_EQ(error.rfind("books text: user: text cannot be written in CP932", 0), 0u) << error;
}

TEST(BooksLoaderTest, SavedReturnFiguresLandInTheirFields) {
    Load(DataSetBooks(R"(, "savedReturn": {"period": [20240401, 20250331], "range": [20240401, 20240930],
        "kind": 1, "credit": 2, "interim": 1, "salesCalc": 1,
        "rates": [{"KAZEIURIAGEZEINUKI": "100.5", "GIMUMENJOKYOTUU": 7}, {},
                  {"HIKAZEIURIAGEYUUKAZEINUKI": 3, "KAZEIHENKAN6SHUZEIKOMI": -2}],
        "refund": {"flags": [2, 1, 2], "amounts": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16]}})"));
    ClSaveTaxShiryo saved;
    ASSERT_EQ(saved.SetCurDataID("D1"), 0);
    ASSERT_EQ(saved.RefreshCache(), 0);
    std::vector<unsigned char> area(kSaveTaxInfoAreaSize, 0);
    auto* info = reinterpret_cast<StSaveTaxInfo*>(area.data());
    ASSERT_EQ(saved.GetTaxSaveInfo(info), 0);
    EXPECT_EQ(+info->taxationKind, 1);
    EXPECT_EQ(+info->creditMethod, 2);
    EXPECT_EQ(+info->interimCode, 1);
    EXPECT_EQ(+info->salesCalcMethod, 1);
    EXPECT_EQ(+info->rangeLast, 20240930);
    EXPECT_EQ(+info->rates[0].taxableSalesExcl, 1005000);
    EXPECT_EQ(+info->rates[0].exemptionChangeCommon, Yen(7));
    EXPECT_EQ(+info->rates[2].securitiesSales, Yen(3));
    EXPECT_EQ(+info->business[2][5].returnsIncl, -Yen(2));
    EXPECT_EQ(+info->refund.individualFlag, 2);
    EXPECT_EQ(+info->refund.corporateAssetsFlag, 2);
    EXPECT_EQ(+info->refund.amounts[15], Yen(16));
}

// The saved return's dates are stored data: served as given, however odd; only their form is checked.
TEST(BooksLoaderTest, SavedReturnDatesAreServedAsStored) {
    struct Case {
        const char* members;
        std::int32_t periodFirst, periodLast, rangeFirst, rangeLast;
    };
    const Case cases[] = {
        {R"("period": [20240400, 20250300], "range": [20250331, 20240401])", 20240400, 20250300, 20250331, 20240401},
        {R"("period": [0, 20250331])", 0, 20250331, 0, 0},
        {R"("range": [20240000, 0])", 0, 0, 20240000, 0},
    };
    for (const Case& c : cases) {
        Load(DataSetBooks(std::string(R"(, "savedReturn": {)") + c.members + "}"));
        ClSaveTaxShiryo saved;
        ASSERT_EQ(saved.SetCurDataID("D1"), 0);
        ASSERT_EQ(saved.RefreshCache(), 0);
        std::vector<unsigned char> area(kSaveTaxInfoAreaSize, 0);
        auto* info = reinterpret_cast<StSaveTaxInfo*>(area.data());
        ASSERT_EQ(saved.GetTaxSaveInfo(info), 0) << c.members;
        EXPECT_EQ(+info->periodFirst, c.periodFirst) << c.members;
        EXPECT_EQ(+info->periodLast, c.periodLast) << c.members;
        EXPECT_EQ(+info->rangeFirst, c.rangeFirst) << c.members;
        EXPECT_EQ(+info->rangeLast, c.rangeLast) << c.members;
    }
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "savedReturn": {"range": [20240401, 100000000]})")),
              "books text: dataSets[0].savedReturn.range[1]: integer out of range 0..99991231: 100000000");
    EXPECT_EQ(ErrorOf(DataSetBooks(R"(, "savedReturn": {"period": [20240401]})")),
              "books text: dataSets[0].savedReturn.period: expected [first, last]");
    // The books' own period stays a calendar fact.
    EXPECT_EQ(ErrorOf(R"({"dataSets": [{"id": "D1", "period": [20250331, 20240401]}]})"),
              "books text: dataSets[0].period: the first day is after the last day");
}

// The sample books of samples/ and the fixtures load.
TEST(BooksLoaderTest, SampleBooksLoad) {
    for (const char* file : {"samples/corporation.json", "samples/individual.json", "samples/simplified.json",
                             "tests/data/books/tiny.json"}) {
        EXPECT_NO_THROW(StandIn::LoadBooksFile(std::string(TXLINK_SOURCE_DIR) + "/" + file)) << file;
    }
}

// Books from the generator load, and their journal comes back through a move.
TEST(BooksLoaderTest, GeneratedBooksLoad) {
    std::string path = std::string(TXLINK_BINARY_DIR) + "/generated-books-test.json";
    std::string command = "python3 " + std::string(TXLINK_SOURCE_DIR) +
                          "/scripts/generate-books --lines 3000 --accounts 60 --departments 8 --assets 40 --individual "
                          "--output " + path;
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "python3 cannot run the generator";
    StandIn::LoadBooksFile(path);
    ClRuleShiwake rule;
    ASSERT_EQ(rule.SetCurDataID("G0001"), 0);
    FindInfo year = MonthRange(1, 12, true);
    std::uint32_t count = 0;
    ASSERT_EQ(rule.GetSwkCount(year.get(), nullptr, count), 0);
    EXPECT_EQ(count, 2999u);  // all but the interim closing line
    std::remove(path.c_str());
}

// The load figure of docs/books.md: TXLINK_LOAD_BENCH names a books file to load and time.
TEST(BooksLoadSpeed, LoadNamedBooks) {
    const char* path = std::getenv("TXLINK_LOAD_BENCH");
    if (path == nullptr) GTEST_SKIP() << "TXLINK_LOAD_BENCH names no books file";
    // <chrono> cannot be compiled under the CP932 execution charset.
    std::timespec start{}, end{};
    std::timespec_get(&start, TIME_UTC);
    StandIn::LoadBooksFile(path);
    auto* data = DataManagerSetObject<SetObject::DataSets>();
    std::timespec_get(&end, TIME_UTC);
    double seconds = static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
    std::printf("loaded %s (%s) in %.2f s\n", path, data->GetSelectedInfo()->dataId, seconds);
}

}  // namespace
