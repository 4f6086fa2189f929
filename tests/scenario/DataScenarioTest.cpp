// The DATA section of whole programs: small books whose values are worked out by hand from the
// journal and the stand-in's rules, the saved-return method, the boundaries of the filing
// generation seen through the rate group of a line without a rate, and how the two methods
// differ element by element.
#include "tests/report/WrittenData.h"
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using nlohmann::json;
using Values = std::map<std::string, std::string>;

namespace {

const std::string kJournalRun = "text 1008 C:\\Out\\report.xml\nclick 1005\n";
const std::string kSavedRun = "text 1008 C:\\Out\\report.xml\nclick 1031\nclick 1005\n";

// One run of TxLinkAlto with drive C: on a folder of the test's own that has the output
// folders C:\Out\ and C:\TxLink\Export\; the report is read from C:\<report>.
struct ReportRun {
    int exitStatus = -1;
    std::string report;
    std::string stderrText;
};

ReportRun RunReport(const json& books, const std::string& script, const std::string& report = "Out/report.xml") {
    const fs::path root = MakeTemporaryFolder("data");
    fs::create_directories(root / "c/Out");
    fs::create_directories(root / "c/TxLink/Export");
    ProgramSetup setup;
    setup.books = books.dump();
    setup.script = script;
    setup.drives = "C:=" + (root / "c").string();
    const ProgramRun run = RunProgram(setup);
    ReportRun result;
    result.exitStatus = run.exitStatus;
    result.stderrText = run.stderrText;
    std::ifstream in(root / "c" / report, std::ios::binary);
    result.report.assign(std::istreambuf_iterator<char>(in), {});
    std::error_code ignored;
    fs::remove_all(root, ignored);
    fs::remove_all(run.folder, ignored);
    return result;
}

WrittenData DataOf(const json& books, const std::string& script) {
    const ReportRun run = RunReport(books, script);
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    const WrittenData data(run.report);
    EXPECT_EQ(data.GroupCount(), 37u);
    EXPECT_EQ(data.ValueCount(), 534u);
    return data;
}

json Side(int account, const json& amount, int category = 0, int rate = 0, int business = 0, const json& tax = 0,
          int reduced = 0) {
    return {{"account", account}, {"amount", amount}, {"tax", tax},          {"category", category},
            {"rate", rate},       {"reduced", reduced}, {"business", business}};
}

json Line(int date, const json& debit, const json& credit) {
    return {{"date", date}, {"debit", debit}, {"credit", credit}};
}

constexpr int kCash = 100;
constexpr int kSales = 500;
constexpr int kPurchases = 600;  // a goods-purchase account of the refund statement

// The scenario books' data set with its journal replaced and a goods-purchase account added.
json Books(const json& journal, const json& tax) {
    json books = ScenarioBooks();
    json& dataSet = SelectedDataSet(books);
    dataSet["journal"] = journal;
    dataSet["tax"] = tax;
    dataSet["accounts"].push_back({{"code", kPurchases}, {"name", Utf8(u8"仕入高")}, {"class", "0x20804000"}});
    return books;
}

json Tax(int method, int rounding, int included, int mainBusiness = 0) {
    return {{"method", method},
            {"rounding", rounding},
            {"credit", 0},
            {"mainBusiness", mainBusiness},
            {"included", included}};
}

// A saved return that matches the books' data set (April to March, no interim closing).
json SavedReturn(int kind, const json& rates, const json& refund) {
    return {{"period", {20240401, 20250331}}, {"range", {20240401, 20250331}}, {"kind", kind}, {"credit", 1},
            {"interim", 1}, {"rates", rates}, {"refund", refund}};
}

TEST(DataSection, CorporationUnderGeneralTaxation) {
    const json journal = {
        Line(20240415, Side(kCash, 11000), Side(kSales, 10000, 11, 1000, 0, 1000)),
        // 8% reduced, business category 2: 5000.5 and 400.04 yen round to 5001 and 400.
        Line(20240510, Side(kCash, "5400.54"), Side(kSales, "5000.5", 11, 800, 2, "400.04", 1)),
        Line(20240620, Side(kSales, 1000, 15, 1000, 1, 100), Side(kCash, 1100)),
        Line(20240701, Side(kPurchases, 50000, 21, 1000, 0, 5000), Side(kCash, 55000)),
        // The return rule keeps 5% of the securities sales; the report gives them whole.
        Line(20240801, Side(kCash, 200000), Side(kSales, 200000, 30, 1000)),
        Line(20240905, Side(kCash, 2000, 41, 800, 0, 160, 1), Side(kSales, 2160)),
        Line(20241010, Side(kCash, 3000, 61, 1000), Side(kCash, 3000)),
        Line(20241011, Side(kCash, 800, 64, 1000), Side(kCash, 800)),
    };
    json books = Books(journal, Tax(2, 0, 0));
    SelectedDataSet(books)["assets"] = {{{"date", 20241001}, {"kind", 1}, {"cost", 300000}}};
    const Values expected = {
        {"D020114/KAZEIURIAGEZEINUKI10", "10000"},
        {"D020114/KAZEIURIAGEZEIGAKU10", "1000"},
        {"D020114/KAZEIURIAGEZEIKOMI10", "11000"},
        {"D020114/HIKAZEIURIAGEYUUKAZEINUKI10", "200000"},
        {"D020114/KAZEIURIAGEHENKANZEINUKI10", "1000"},
        {"D020114/KAZEIURIAGEHENKANZEIGAKU10", "100"},
        {"D020114/KAZEIURIAGEHENKANZEIKOMI10", "1100"},
        {"D020113/KAZEIURIAGEZEINUKI8K", "5001"},
        {"D020113/KAZEIURIAGEZEIGAKU8K", "400"},
        {"D020113/KAZEIURIAGEZEIKOMI8K", "5401"},
        {"D020124/SHIIREKAZEIZEINUKI10", "50000"},
        {"D020124/SHIIREKAZEIZEIGAKU10", "5000"},
        {"D020124/SHIIREKAZEIZEIKOMI10", "55000"},
        {"D020124/YUNYUSHIIREKAZEIZEIGAKU10", "3000"},
        {"D020124/YUNYUSHIIRETIHO10", "800"},
        {"D020133/KASHIDAOREZEINUKI8K", "2000"},
        {"D020133/KASHIDAOREZEIGAKU8K", "160"},
        {"D020133/KASHIDAOREZEIKOMI8K", "2160"},
        // The business-category return: the first sale has no category.
        {"D020214/KAZEIURIAGEZEROZEINUKI10", "10000"},
        {"D020214/KAZEIURIAGEZEROZEIGAKU10", "1000"},
        {"D020214/KAZEIURIAGEZEROZEIKOMI10", "11000"},
        {"D020213/KAZEIURIAGE2SHUZEINUKI8K", "5001"},
        {"D020213/KAZEIURIAGE2SHUZEIGAKU8K", "400"},
        {"D020213/KAZEIURIAGE2SHUZEIKOMI8K", "5401"},
        {"D020224/KAZEIHENKAN1SHUZEINUKI10", "1000"},
        {"D020224/KAZEIHENKAN1SHUZEIGAKU10", "100"},
        {"D020224/KAZEIHENKAN1SHUZEIKOMI10", "1100"},
        {"D020233/KASHIDAOREZEINUKI8K", "2000"},
        {"D020233/KASHIDAOREZEIGAKU8K", "160"},
        {"D020233/KASHIDAOREZEIKOMI8K", "2160"},
        // Amounts excluding the tax: the flags are "2".
        {"KANPUH/KESSANZEIKUBUN", "2"},
        {"KANPUH/SHOHINSHIIRE1", "50000"},
        {"KANPUH/SHISANZEIKUBUN", "2"},
        {"KANPUH/KOTEISHISAN1", "300000"},
    };
    EXPECT_EQ(DataOf(books, kJournalRun).NonEmpty(), expected);
}

TEST(DataSection, IndividualOfBusinessIncome) {
    const json journal = {
        Line(20240415, Side(kCash, 22000), Side(kSales, 20000, 11, 1000, 0, 2000)),
        Line(20240416, Side(kCash, 3000), Side(kSales, 3000, 14, 1000)),
    };
    json books = Books(journal, Tax(2, 0, 1));
    SelectedDataSet(books)["entity"] = 3;
    SelectedDataSet(books)["incomeKind"] = 1;
    const Values expected = {
        {"D020114/KAZEIURIAGEZEINUKI10", "20000"},
        {"D020114/KAZEIURIAGEZEIGAKU10", "2000"},
        {"D020114/KAZEIURIAGEZEIKOMI10", "22000"},
        {"D020114/MENZEIURIAGEZEINUKI10", "3000"},
        {"D020214/KAZEIURIAGEZEROZEINUKI10", "20000"},
        {"D020214/KAZEIURIAGEZEROZEIGAKU10", "2000"},
        {"D020214/KAZEIURIAGEZEROZEIKOMI10", "22000"},
        {"D020214/MENZEIURIAGEZEINUKI10", "3000"},
        // No expenses: the business-income lines say so with zeros, the flag stays empty.
        {"KANPUK/JIGYOSHIIRE1", "0"},
        {"KANPUK/JIGYOSHIIRE2", "0"},
        {"KANPUK/JIGYOHITSUYOU1", "0"},
        {"KANPUK/JIGYOHITSUYOU2", "0"},
        {"KANPUK/JIGYOKOTEISHISAN1", "0"},
    };
    EXPECT_EQ(DataOf(books, kJournalRun).NonEmpty(), expected);
}

TEST(DataSection, SimplifiedTaxationRoundingDown) {
    const json journal = {
        Line(20240415, Side(kCash, "1100.66"), Side(kSales, "1000.6", 11, 1000, 1, "100.06")),
        Line(20240416, Side(kCash, "1100.66"), Side(kSales, "1000.6", 11, 1000, 2, "100.06")),
        Line(20240417, Side(kCash, "550.88"), Side(kSales, "500.8", 11, 1000, 0, "50.08")),
        Line(20240418, Side(kSales, 300, 15, 800, 6, 24, 1), Side(kCash, 324)),
    };
    const Values expected = {
        // Under simplified taxation the journal method still fills the general return.
        {"D020114/KAZEIURIAGEZEINUKI10", "2502"},
        {"D020114/KAZEIURIAGEZEIGAKU10", "250"},
        {"D020114/KAZEIURIAGEZEIKOMI10", "2752"},
        {"D020113/KAZEIURIAGEHENKANZEINUKI8K", "300"},
        {"D020113/KAZEIURIAGEHENKANZEIGAKU8K", "24"},
        {"D020113/KAZEIURIAGEHENKANZEIKOMI8K", "324"},
        {"D020214/KAZEIURIAGE1SHUZEINUKI10", "1000"},
        {"D020214/KAZEIURIAGE1SHUZEIGAKU10", "100"},
        {"D020214/KAZEIURIAGE1SHUZEIKOMI10", "1100"},
        {"D020214/KAZEIURIAGE2SHUZEINUKI10", "1000"},
        {"D020214/KAZEIURIAGE2SHUZEIGAKU10", "100"},
        {"D020214/KAZEIURIAGE2SHUZEIKOMI10", "1100"},
        // 2502.0 - 2001.2 = 500.8 gives 500, not 2502 - 2000.
        {"D020214/KAZEIURIAGEZEROZEINUKI10", "500"},
        {"D020214/KAZEIURIAGEZEROZEIGAKU10", "50"},
        {"D020214/KAZEIURIAGEZEROZEIKOMI10", "550"},
        {"D020223/KAZEIHENKAN6SHUZEINUKI8K", "300"},
        {"D020223/KAZEIHENKAN6SHUZEIGAKU8K", "24"},
        {"D020223/KAZEIHENKAN6SHUZEIKOMI8K", "324"},
    };
    EXPECT_EQ(DataOf(Books(journal, Tax(1, 1, 0, 1)), kJournalRun).NonEmpty(), expected);
}

TEST(DataSection, SavedReturnUnderGeneralTaxation) {
    json books = Books(json::array(), Tax(2, 0, 0));
    const json rates = {
        {{"KAZEIURIAGEZEINUKI", "1234.4445"},
         {"HIKAZEIURIAGEYUUKAZEINUKI", 1000},
         {"HIKAZEISHISANHENKANZEINUKI", 55},
         {"TOKUTEISHIIREKAZEIZEINUKI", 700},
         {"TOKUTEISHIIREHENKANKYOTUUZEINUKI", 70},
         {"GIMUMENJOKAZEI", 12},
         {"KAZEIURIAGEWARIAIHENDO", -3400},
         {"KAZEIURIAGE1SHUZEINUKI", 999}},
        json::object(),
        json::object(),
        json::object(),
        {{"KASHIDAOREKAISHUZEIKOMI", 33}},
    };
    json amounts = json::array();
    for (int n = 1; n <= 16; ++n) amounts.push_back(n == 1 ? 100 : n == 9 ? 300 : n == 16 ? 7 : 0);
    SelectedDataSet(books)["savedReturn"] = SavedReturn(1, rates, {{"flags", {0, 2, 1}}, {"amounts", amounts}});
    const Values expected = {
        {"D020114/KAZEIURIAGEZEINUKI10", "1235"},
        {"D020114/HIKAZEIURIAGEYUUKAZEINUKI10", "20000"},
        {"D020124/TOKUTEISHIIREKAZEIZEINUKI10", "700"},
        {"D020124/TOKUTEISHIIREHENKANKYOTUUZEINUKI10", "70"},
        {"D02204/GIMUMENJOKAZEI10", "12"},
        {"D02204/KAZEIURIAGEWARIAIHENDO10", "-3400"},
        {"D020132/KASHIDAOREKAISHUZEIKOMI3", "33"},
        {"KANPUH/KESSANZEIKUBUN", "2"},
        {"KANPUH/SHOHINSHIIRE1", "100"},
        {"KANPUH/SHISANZEIKUBUN", "1"},
        {"KANPUH/KOTEISHISAN1", "300"},
    };
    EXPECT_EQ(DataOf(books, kSavedRun).NonEmpty(), expected);
}

// A line without a rate takes the standard rate of the filing generation that the range
// chooses; its exempt sales show in that rate's group.
TEST(DataSection, LineWithoutRateLandsInTheGenerationsRate) {
    struct Case {
        int first, last;
        const char* element;
    };
    const Case cases[] = {
        {20130401, 20140331, "D020111/MENZEIURIAGEZEINUKI5"},
        {20130501, 20140430, "D020110/MENZEIURIAGEZEINUKI8"},
        {20180901, 20190831, "D020110/MENZEIURIAGEZEINUKI8"},
        {20181101, 20191031, "D020114/MENZEIURIAGEZEINUKI10"},
        {20190501, 20200430, "D020114/MENZEIURIAGEZEINUKI10"},
    };
    for (const Case& c : cases) {
        json books = Books(json::array({Line(c.first, Side(kCash, 1000), Side(kSales, 1000, 14))}), Tax(2, 0, 0));
        SelectedDataSet(books)["period"] = {c.first, c.last};
        const std::string element = c.element;
        const std::string family5 = element.substr(0, 4) + "2" + element.substr(5);  // D0201.. -> D0202..
        const Values expected = {{element, "1000"}, {family5, "1000"}};
        EXPECT_EQ(DataOf(books, kJournalRun).NonEmpty(), expected) << c.first;
    }
}

// The same books under both methods and both taxation kinds, for the table of differences.
// Entity type 2 reaches both refund statements. The journal has a sale without a category,
// one of category 3 and securities; the saved return has figures of its own.
class MethodDifferences : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (int method : {1, 2}) {
            json books = Books(
                {
                    Line(20240415, Side(kCash, 11000), Side(kSales, 10000, 11, 1000, 0, 1000)),
                    Line(20240416, Side(kCash, 2160), Side(kSales, 2000, 11, 800, 3, 160, 1)),
                    Line(20240417, Side(kCash, 20000), Side(kSales, 20000, 30, 1000)),
                },
                Tax(method, 0, 0, method == 1 ? 3 : 0));
            json& dataSet = SelectedDataSet(books);
            dataSet["entity"] = 2;
            dataSet["incomeKind"] = 1;
            json amounts = json::array();
            for (int n = 1; n <= 16; ++n) amounts.push_back(n == 1 ? 10 : n == 16 ? 7 : 0);
            const json rates = {
                {{"KAZEIURIAGEZEINUKI", 30000},
                 {"HIKAZEIURIAGEYUUKAZEINUKI", 1000},
                 {"TOKUTEISHIIREKAZEIZEINUKI", 400},
                 {"GIMUMENJOKAZEI", 50}},
                {{"KAZEIURIAGE3SHUZEINUKI", 2000}},
            };
            const json refund = {{"flags", {2, 2, 0}}, {"amounts", amounts}};
            dataSet["savedReturn"] = SavedReturn(method == 1 ? 2 : 1, rates, refund);
            journal_[method] = DataOf(books, kJournalRun).NonEmpty();
            saved_[method] = DataOf(books, kSavedRun).NonEmpty();
        }
    }

    static std::string At(const Values& values, const std::string& key) {
        const auto found = values.find(key);
        return found == values.end() ? "" : found->second;
    }
    static std::string Journal(int method, const std::string& key) { return At(journal_[method], key); }
    static std::string Saved(int method, const std::string& key) { return At(saved_[method], key); }

    static constexpr int kSimplified = 1;
    static constexpr int kGeneral = 2;
    static inline std::map<int, Values> journal_;
    static inline std::map<int, Values> saved_;
};

TEST_F(MethodDifferences, GeneralReturnIsSavedUnderGeneralTaxationOnly) {
    for (int method : {kSimplified, kGeneral}) {
        EXPECT_EQ(Journal(method, "D020114/KAZEIURIAGEZEINUKI10"), "10000") << method;
    }
    EXPECT_EQ(Saved(kGeneral, "D020114/KAZEIURIAGEZEINUKI10"), "30000");
    EXPECT_EQ(Saved(kSimplified, "D020114/KAZEIURIAGEZEINUKI10"), "");
}

TEST_F(MethodDifferences, AdjustmentsAndSpecifiedPurchasesComeFromTheSavedReturnOnly) {
    for (int method : {kSimplified, kGeneral}) {
        EXPECT_EQ(Journal(method, "D02204/GIMUMENJOKAZEI10"), "");
        EXPECT_EQ(Journal(method, "D020124/TOKUTEISHIIREKAZEIZEINUKI10"), "");
    }
    EXPECT_EQ(Saved(kGeneral, "D02204/GIMUMENJOKAZEI10"), "50");
    EXPECT_EQ(Saved(kGeneral, "D020124/TOKUTEISHIIREKAZEIZEINUKI10"), "400");
    EXPECT_EQ(Saved(kSimplified, "D02204/GIMUMENJOKAZEI10"), "");
}

TEST_F(MethodDifferences, BusinessReturnIsSavedUnlessGeneralTaxation) {
    for (int method : {kSimplified, kGeneral}) {
        EXPECT_EQ(Journal(method, "D020213/KAZEIURIAGE3SHUZEINUKI8K"), "2000") << method;
    }
    EXPECT_EQ(Saved(kSimplified, "D020213/KAZEIURIAGE3SHUZEINUKI8K"), "2000");
    EXPECT_EQ(Saved(kGeneral, "D020213/KAZEIURIAGE3SHUZEINUKI8K"), "");
}

TEST_F(MethodDifferences, RemainderWithoutCategoryIsTheJournalsOnly) {
    EXPECT_EQ(Journal(kSimplified, "D020214/KAZEIURIAGEZEROZEINUKI10"), "10000");
    EXPECT_EQ(Journal(kGeneral, "D020214/KAZEIURIAGEZEROZEINUKI10"), "10000");
    EXPECT_EQ(Saved(kSimplified, "D020214/KAZEIURIAGEZEROZEINUKI10"), "");
}

TEST_F(MethodDifferences, SecuritiesAreTwentyfoldInBothMethods) {
    EXPECT_EQ(Journal(kGeneral, "D020114/HIKAZEIURIAGEYUUKAZEINUKI10"), "20000");
    EXPECT_EQ(Saved(kGeneral, "D020114/HIKAZEIURIAGEYUUKAZEINUKI10"), "20000");
}

TEST_F(MethodDifferences, CorporateStatement) {
    // The journal method's totals stay zero for entity type 2 (its aggregation is for
    // corporations and individuals); the saved method fills the statement under general
    // taxation only.
    EXPECT_EQ(Saved(kGeneral, "KANPUH/SHOHINSHIIRE1"), "10");
    EXPECT_EQ(Saved(kGeneral, "KANPUH/KESSANZEIKUBUN"), "2");
    EXPECT_EQ(Saved(kSimplified, "KANPUH/SHOHINSHIIRE1"), "");
}

TEST_F(MethodDifferences, IndividualStatement) {
    // Journal: business-income lines only, zeros as "0", general taxation only.
    EXPECT_EQ(Journal(kGeneral, "KANPUK/JIGYOSHIIRE1"), "0");
    EXPECT_EQ(Journal(kGeneral, "KANPUK/SONOTAHITSUYOU2"), "");
    EXPECT_EQ(Journal(kSimplified, "KANPUK/JIGYOSHIIRE1"), "");
    // Saved: no filter by income kind, zeros empty.
    EXPECT_EQ(Saved(kGeneral, "KANPUK/JIGYOSHIIRE1"), "10");
    EXPECT_EQ(Saved(kGeneral, "KANPUK/JIGYOSHIIRE2"), "");
    EXPECT_EQ(Saved(kGeneral, "KANPUK/SONOTAKOTEISHISAN2"), "7");
    EXPECT_EQ(Saved(kGeneral, "KANPUK/KESSANZEIKUBUN"), "2");
    EXPECT_EQ(Saved(kSimplified, "KANPUK/SONOTAKOTEISHISAN2"), "");
}

// The flags: the journal method says "1" for books kept including the tax, the saved method
// "2" when its flag is 2.
TEST(DataSection, FlagsOfTheTwoMethods) {
    json books = Books(json::array({Line(20240701, Side(kPurchases, 50000, 21, 1000, 0, 5000), Side(kCash, 55000))}),
                       Tax(2, 0, 1));
    json amounts = json::array();
    for (int n = 1; n <= 16; ++n) amounts.push_back(n == 2 || n == 10 ? 5 : 0);
    SelectedDataSet(books)["savedReturn"] = SavedReturn(1, json::array(), {{"flags", {0, 2, 2}}, {"amounts", amounts}});
    const WrittenData journal = DataOf(books, kJournalRun);
    EXPECT_EQ(journal.Value("KANPUH", "KESSANZEIKUBUN"), "1");
    EXPECT_EQ(journal.Value("KANPUH", "SHOHINSHIIRE1"), "55000");  // including the tax
    EXPECT_EQ(journal.Value("KANPUH", "SHISANZEIKUBUN"), "");
    const WrittenData saved = DataOf(books, kSavedRun);
    EXPECT_EQ(saved.Value("KANPUH", "KESSANZEIKUBUN"), "2");
    EXPECT_EQ(saved.Value("KANPUH", "SHOHINSHIIRE2"), "5");
    EXPECT_EQ(saved.Value("KANPUH", "SHISANZEIKUBUN"), "2");
    EXPECT_EQ(saved.Value("KANPUH", "KOTEISHISAN2"), "5");
}

std::string ReadSource(const std::string& path) {
    std::ifstream in(std::string(TXLINK_SOURCE_DIR) + "/" + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the demo runs: each sample with its UI script writes a whole report.
TEST(Samples, EachWritesAWholeReport) {
    for (const std::string name : {"corporation", "individual", "simplified"}) {
        const json books = json::parse(ReadSource("samples/" + name + ".json"));
        const ReportRun run = RunReport(books, ReadSource("samples/" + name + ".ui"), "TxLink/Export/" + name + ".xml");
        EXPECT_EQ(run.exitStatus, 0) << name << run.stderrText;
        const WrittenData data(run.report);
        EXPECT_EQ(data.ValueCount(), 534u) << name;
        EXPECT_FALSE(data.NonEmpty().empty()) << name;
        EXPECT_TRUE(run.report.ends_with("\t</DATA>\r\n</REPORT>\r\n")) << name;
    }
}

}  // namespace
