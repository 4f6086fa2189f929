#include "report/DataWriters.h"

#include "core_api/standin/StandIn.h"
#include "tests/report/ReportFolder.h"
#include "tests/report/WrittenData.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr std::int64_t kYen = 10000;

// The n-th figure (1-based, in record order) of a rate or business-type record.
void SetRateFigure(StTAXREPORTRATEINFO& record, int n, std::int64_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&record) + kRateFigureOffset + (n - 1) * 8, &value, 8);
}
void SetBusinessFigure(StTAXREPORTBUSINESSTYPEINFO& record, int n, std::int64_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&record) + kBusinessFigureOffset + (n - 1) * 8, &value, 8);
}

class JournalDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandIn::Reset();
        StandIn::LoadBooksText(ScenarioBooks().dump());
        rates_.assign(5, StTAXREPORTRATEINFO{});
        business_.assign(30, StTAXREPORTBUSINESSTYPEINFO{});
        dataSet_.entityKind = 1;
        settings_.taxMethod = 2;
    }
    void TearDown() override { StandIn::Reset(); }

    // Writes the section into a fresh file; answers the writer's result and keeps the bytes.
    bool Write(const std::string& faults = {}) {
        folder_.Start(faults);
        CFile file;
        XmlReportWriter writer;
        EXPECT_TRUE(writer.OpenFile(&file, folder_.WindowsPath("data.xml")));
        ReportFigures figures;
        figures.rates = rates_;
        figures.businessTypes = business_;
        figures.totals = &totals_;
        figures.taxMethod = TaxMethodOf(settings_);
        figures.roundingMode = settings_.roundingMode;
        const bool result = WriteJournalData(writer, figures, dataSet_, settings_);
        writer.CloseFile();
        written_ = folder_.Read("data.xml");
        return result;
    }
    WrittenData Data() const { return WrittenData(written_); }

    ReportFolder folder_;
    std::vector<StTAXREPORTRATEINFO> rates_;
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business_;
    TaxTotals totals_;
    StDATAINFO dataSet_{};
    StSHOHIZEIINFO settings_{};
    std::string written_;
};

// Every figure of rate record k is k * 100 + its number in the record (yen), so a value shows
// which field it came from: 1-3 taxable sales, 4 securities, 5 exempt, 6 other non-taxable,
// 7 exports, 8-10 returns, 11 non-taxable returns, 12 exempt returns, 13-21 purchases, 22-24
// import tax, 25-33 purchase returns, 34-36 import refunds, 37-42 bad debts, 43-44 local tax.
TEST_F(JournalDataTest, RateGroupsTakeEachFigureFromItsOwnField) {
    for (int k = 0; k < 5; ++k) {
        for (int n = 1; n <= 44; ++n) SetRateFigure(rates_[k], n, (k * 100 + n) * kYen);
    }
    ASSERT_TRUE(Write());
    const WrittenData data = Data();
    EXPECT_EQ(data.GroupCount(), 37u);
    EXPECT_EQ(data.Group("D020114"), "1|2|3|5|4|6|7|8|9|10|12|11|");
    EXPECT_EQ(data.Group("D020112"), "401|402|403|405|404|406|407|408|409|410|412|411|");
    EXPECT_EQ(data.Group("D020124"),
              "13|14|15|16|17|18|19|20|21|||"
              "|22|23|24|43|25|26|27|28|29|30|31|32|33||||34|35|36|44");
    EXPECT_EQ(data.Group("D020123"),
              "113|114|115|116|117|118|119|120|121|122|123|124|143|"
              "125|126|127|128|129|130|131|132|133|134|135|136|144");
    EXPECT_EQ(data.Group("D020120"),
              "213|214|215|216|217|218|219|220|221||||222|223|224|243|225|226|227|228|229|230|231|232|233||||"
              "234|235|236|244");
    EXPECT_EQ(data.Group("D020121"), "313|314|315|316|317|318|319|320|321|325|326|327|328|329|330|331|332|333");
    EXPECT_EQ(data.Group("D020134"), "37|38|39|40|41|42");
    EXPECT_EQ(data.Group("D020231"), "337|338|339|340|341|342");  // the business return's bad debts
    EXPECT_EQ(data.Group("D02204"), "|||||");
    EXPECT_EQ(data.Group("D02202"), "|||||");
}

// Business record (k, c) holds k * 1000 + c * 10 + its number: 1-3 sales including tax, tax,
// excluding tax; 4-6 returns in the same order. The rate totals are 100000 + k * 1000 + n.
TEST_F(JournalDataTest, BusinessGroupsSplitTheRateFiguresByCategory) {
    for (int k = 0; k < 5; ++k) {
        for (int n = 1; n <= 44; ++n) SetRateFigure(rates_[k], n, (100000 + k * 1000 + n) * kYen);
        for (int c = 0; c < 6; ++c) {
            for (int n = 1; n <= 6; ++n) SetBusinessFigure(business_[k * 6 + c], n, (k * 1000 + c * 10 + n) * kYen);
        }
    }
    ASSERT_TRUE(Write());
    const WrittenData data = Data();
    // Sales excluding tax of the six categories: 3, 13, ..., 53 add up to 168, and so on.
    EXPECT_EQ(data.Group("D020214"),
              "3|2|1|13|12|11|23|22|21|33|32|31|43|42|41|53|52|51|"
              + std::to_string(100001 - 168) + "|" + std::to_string(100002 - 162) + "|" +
                  std::to_string(100003 - 156) + "|100005");
    EXPECT_EQ(data.Group("D020221"),
              "3006|3005|3004|3016|3015|3014|3026|3025|3024|3036|3035|3034|3046|3045|3044|3056|3055|3054|"
              + std::to_string(103008 - (6 * 3006 + 150)) + "|" + std::to_string(103009 - (6 * 3005 + 150)) + "|" +
                  std::to_string(103010 - (6 * 3004 + 150)) + "|103012");
}

TEST_F(JournalDataTest, RemainderWithoutCategoryIsTakenBeforeRoundingAndKeepsItsSign) {
    settings_.roundingMode = 0;
    SetRateFigure(rates_[0], 1, 10 * kYen);  // taxable sales excluding tax: 10 yen
    SetRateFigure(rates_[0], 2, 5 * kYen);   // tax: 5 yen
    for (int c = 0; c < 6; ++c) {
        SetBusinessFigure(business_[c], 3, 13000);  // 1.3 yen each, written as 1
        SetBusinessFigure(business_[c], 2, 13000);
    }
    ASSERT_TRUE(Write());
    const WrittenData data = Data();
    EXPECT_EQ(data.Value("D020114", "KAZEIURIAGEZEINUKI10"), "10");
    EXPECT_EQ(data.Value("D020214", "KAZEIURIAGE6SHUZEINUKI10"), "1");
    // 10 - 7.8 = 2.2 gives 2, not 10 - 6; 5 - 7.8 = -2.8 gives -3.
    EXPECT_EQ(data.Value("D020214", "KAZEIURIAGEZEROZEINUKI10"), "2");
    EXPECT_EQ(data.Value("D020214", "KAZEIURIAGEZEROZEIGAKU10"), "-3");
    EXPECT_EQ(data.Value("D020214", "KAZEIURIAGEZEROZEIKOMI10"), "");
}

TEST_F(JournalDataTest, RoundingModeOfTheDataSetApplies) {
    SetRateFigure(rates_[0], 1, 124445);   // 12.4445 yen
    SetRateFigure(rates_[0], 2, -120001);  // -12.0001 yen
    settings_.roundingMode = 0;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Value("D020114", "KAZEIURIAGEZEINUKI10"), "13");
    EXPECT_EQ(Data().Value("D020114", "KAZEIURIAGEZEIGAKU10"), "-12");
    settings_.roundingMode = 2;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Value("D020114", "KAZEIURIAGEZEIGAKU10"), "-13");
}

TEST_F(JournalDataTest, ArraysShorterThanTheFiveRatesReadAsZero) {
    rates_.resize(2);
    business_.resize(7);
    for (auto& record : rates_) SetRateFigure(record, 1, 7 * kYen);
    for (auto& record : business_) SetBusinessFigure(record, 3, 1 * kYen);
    ASSERT_TRUE(Write());
    const WrittenData data = Data();
    EXPECT_EQ(data.Value("D020113", "KAZEIURIAGEZEINUKI8K"), "7");
    EXPECT_EQ(data.Value("D020110", "KAZEIURIAGEZEINUKI8"), "");
    EXPECT_EQ(data.Value("D020213", "KAZEIURIAGE1SHUZEINUKI8K"), "1");
    EXPECT_EQ(data.Value("D020213", "KAZEIURIAGE2SHUZEINUKI8K"), "");
    EXPECT_EQ(data.Value("D020213", "KAZEIURIAGEZEROZEINUKI8K"), "6");
}

TEST_F(JournalDataTest, RemainderBeyondSixtyFourBitsFailsBeforeItsElement) {
    SetBusinessFigure(business_[0], 3, std::numeric_limits<std::int64_t>::max());
    SetBusinessFigure(business_[1], 3, 1);
    EXPECT_FALSE(Write());
    EXPECT_TRUE(written_.ends_with("<KAZEIURIAGE1SHUZEIKOMI10></KAZEIURIAGE1SHUZEIKOMI10>\r\n")) << written_;
}

TEST_F(JournalDataTest, NoTaxSettingsObjectFailsRightAfterDataOpens) {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["taxObject"] = false;
    StandIn::Reset();
    StandIn::LoadBooksText(books.dump());
    EXPECT_FALSE(Write());
    EXPECT_EQ(written_, "\t<DATA>\r\n");
}

TEST_F(JournalDataTest, StopsAtTheFirstFailedWrite) {
    SetRateFigure(rates_[0], 1, 5 * kYen);
    ASSERT_TRUE(Write());
    const std::string full = written_;
    EXPECT_FALSE(Write("write-fail-after=" + std::to_string(full.size() - 1)));
    EXPECT_EQ(written_, full.substr(0, full.size() - std::string("\t</DATA>\r\n").size()));
}

// The refund statements. Every figure of TaxTotals is distinct: corporate lines 1-8, fixed
// and deferred acquisitions 9 and 10, individual lines 21-32 in KANPUK's order.
class RefundStatementTest : public JournalDataTest {
protected:
    void SetUp() override {
        JournalDataTest::SetUp();
        totals_.goodsPurchases = {1 * kYen, 2 * kYen};
        totals_.adminExpenses = {3 * kYen, 4 * kYen};
        totals_.nonOperatingExpenses = {5 * kYen, 6 * kYen};
        totals_.otherProfitLoss = {7 * kYen, 8 * kYen};
        totals_.fixedAssetAcquisitions = 9 * kYen;
        totals_.deferredAssetAcquisitions = 10 * kYen;
        totals_.businessPurchases = {21 * kYen, 22 * kYen};
        totals_.businessExpenses = {23 * kYen, 24 * kYen};
        totals_.businessFixedAssets = 25 * kYen;
        totals_.realEstateExpenses = {26 * kYen, 27 * kYen};
        totals_.realEstateFixedAssets = 28 * kYen;
        totals_.otherPurchases = {29 * kYen, 30 * kYen};
        totals_.otherExpenses = {31 * kYen, 32 * kYen};
    }

    // KANPUH and KANPUK for an entity type, tax method and income kind.
    std::pair<std::string, std::string> Statements(int entity, int method, int incomeKind) {
        dataSet_.entityKind = static_cast<std::uint8_t>(entity);
        dataSet_.incomeKind = static_cast<std::uint8_t>(incomeKind);
        settings_.taxMethod = static_cast<std::uint8_t>(method);
        EXPECT_TRUE(Write());
        return {Data().Group("KANPUH"), Data().Group("KANPUK")};
    }
};

const std::string kCorporateFilled = "2|1|2|3|4|5|6|7|8|2|9||10|||";
const std::string kCorporateEmpty = "|||||||||||||||";
const std::string kIndividualEmpty = "||||||||||||||||";
const std::string kIndividualAll = "2|21|22|23|24|25||26|27|28||29|30|31|32||";

TEST_F(RefundStatementTest, CorporationsFillTheCorporateStatementUnderEveryMethod) {
    for (int entity : {0, 1}) {
        for (int method : {0, 1, 2}) {
            EXPECT_EQ(Statements(entity, method, 0), std::make_pair(kCorporateFilled, kIndividualEmpty))
                << entity << " " << method;
        }
    }
}

TEST_F(RefundStatementTest, IndividualsFillTheirStatementUnderGeneralTaxationOnly) {
    for (int entity : {3, 4}) {
        EXPECT_EQ(Statements(entity, 2, 5), std::make_pair(kCorporateEmpty, kIndividualAll)) << entity;
        EXPECT_EQ(Statements(entity, 1, 5), std::make_pair(kCorporateEmpty, kIndividualEmpty)) << entity;
        EXPECT_EQ(Statements(entity, 0, 5), std::make_pair(kCorporateEmpty, kIndividualEmpty)) << entity;
    }
}

TEST_F(RefundStatementTest, EntityTypeTwoFillsBothStatements) {
    EXPECT_EQ(Statements(2, 2, 0), std::make_pair(kCorporateFilled, kIndividualAll));
    EXPECT_EQ(Statements(2, 1, 0), std::make_pair(kCorporateFilled, kIndividualEmpty));
}

TEST_F(RefundStatementTest, IncomeKindChoosesTheLinesOfTheIndividualStatement) {
    EXPECT_EQ(Statements(3, 2, 1).second, "2|21|22|23|24|25|||||||||||");
    EXPECT_EQ(Statements(3, 2, 2).second, "2|||||||26|27|28|||||||");
    for (int kind : {3, 4, 5, 6, 0, 7, 255}) EXPECT_EQ(Statements(3, 2, kind).second, kIndividualAll) << kind;
}

TEST_F(RefundStatementTest, IndividualZerosAreWrittenAsDigits) {
    totals_.realEstateExpenses = {0, 4000};  // 0.4 yen rounds to 0 but still counts for the flag
    totals_.realEstateFixedAssets = 0;
    EXPECT_EQ(Statements(4, 2, 2).second, "2|||||||0|0|0|||||||");
    totals_ = TaxTotals{};
    EXPECT_EQ(Statements(4, 2, 2).second, "|||||||0|0|0|||||||");
    EXPECT_EQ(Statements(4, 2, 6).second, "|0|0|0|0|0||0|0|0||0|0|0|0||");
}

TEST_F(RefundStatementTest, FlagsFollowTheTaxIncludedSettingAndTheirOwnLines) {
    settings_.taxIncludedBasis = 1;
    EXPECT_EQ(Statements(1, 2, 0).first, "1|1|2|3|4|5|6|7|8|1|9||10|||");
    EXPECT_EQ(Statements(3, 2, 6).second, "1|21|22|23|24|25||26|27|28||29|30|31|32||");
    totals_.fixedAssetAcquisitions = 0;
    totals_.deferredAssetAcquisitions = 0;
    EXPECT_EQ(Statements(1, 2, 0).first, "1|1|2|3|4|5|6|7|8|||||||");
    totals_ = TaxTotals{};
    totals_.deferredAssetAcquisitions = -3 * kYen;
    EXPECT_EQ(Statements(1, 2, 0).first, "|||||||||1|||-3|||");
}

}  // namespace
