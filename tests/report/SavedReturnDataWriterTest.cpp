#include "report/DataWriters.h"

#include "tests/report/ReportFolder.h"
#include "tests/report/WrittenData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

namespace {

constexpr std::int64_t kYen = 10000;
constexpr int kRateFigures = sizeof(StSaveTaxRateFigures) / 8;

// The n-th saved figure (1-based, in record order) of a rate class.
void SetSavedFigure(StSaveTaxInfo& saved, int rate, int n, std::int64_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&saved.rates[rate]) + (n - 1) * 8, &value, 8);
}
void SetBusinessFigure(StSaveTaxInfo& saved, int rate, int category, int n, std::int64_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&saved.business[rate][category]) + (n - 1) * 8, &value, 8);
}
void SetRefundAmount(StSaveTaxInfo& saved, int n, std::int64_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&saved.refund.amounts[n - 1]), &value, 8);
}

class SavedReturnDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::make_unique<StSaveTaxInfo>();
        std::memset(saved_.get(), 0, sizeof(StSaveTaxInfo));
        dataSet_.entityKind = 1;
    }

    bool Write(const std::string& faults = {}) {
        folder_.Start(faults);
        CFile file;
        XmlReportWriter writer;
        EXPECT_TRUE(writer.OpenFile(&file, folder_.WindowsPath("data.xml")));
        ReportFigures figures;
        figures.savedReturn = saved_.get();
        figures.taxMethod = taxMethod_;
        figures.roundingMode = roundingMode_;
        const bool result = WriteSavedReturnData(writer, figures, dataSet_);
        writer.CloseFile();
        written_ = folder_.Read("data.xml");
        return result;
    }
    WrittenData Data() const { return WrittenData(written_); }

    // Every saved figure of rate k is k * 100 + its number in the record (yen); the record
    // holds them in the element order of the sales (1-13), purchases (14-45), bad-debt (46-51)
    // and adjustment (52-57) groups. Business figures: k * 1000 + c * 10 + n, n 1-3 sales
    // excluding tax, tax, including tax, 4-6 returns likewise.
    void FillDistinctFigures() {
        for (int k = 0; k < 5; ++k) {
            for (int n = 1; n <= kRateFigures; ++n) SetSavedFigure(*saved_, k, n, (k * 100 + n) * kYen);
            for (int c = 0; c < 6; ++c) {
                for (int n = 1; n <= 6; ++n) SetBusinessFigure(*saved_, k, c, n, (k * 1000 + c * 10 + n) * kYen);
            }
        }
    }

    ReportFolder folder_;
    std::unique_ptr<StSaveTaxInfo> saved_;
    StDATAINFO dataSet_{};
    TaxMethod taxMethod_ = TaxMethod::General;
    std::uint8_t roundingMode_ = 0;
    std::string written_;
};

const std::string kEmpty6 = "|||||";
const std::string kEmpty22 = "|||||||||||||||||||||";

TEST_F(SavedReturnDataTest, GeneralTaxationFillsTheGeneralReturnOnly) {
    FillDistinctFigures();
    ASSERT_TRUE(Write());
    const WrittenData data = Data();
    EXPECT_EQ(data.GroupCount(), 37u);
    // Securities (5) times 20; the returns on exports of non-taxable assets (13) stay empty.
    EXPECT_EQ(data.Group("D020114"), "1|2|3|4|100|6|7|8|9|10|11|12|");
    EXPECT_EQ(data.Group("D020112"), "401|402|403|404|" + std::to_string(405 * 20) + "|406|407|408|409|410|411|412|");
    EXPECT_EQ(data.Group("D020124"),
              "14|15|16|17|18|19|20|21|22|23|24|25|26|27|28|29|30|31|32|33|34|35|36|37|38|39|40|41|42|43|44|45");
    EXPECT_EQ(data.Group("D020123"),
              "114|115|116|117|118|119|120|121|122|126|127|128|129|"
              "130|131|132|133|134|135|136|137|138|142|143|144|145");
    EXPECT_EQ(data.Group("D020122"),
              "414|415|416|417|418|419|420|421|422|430|431|432|433|434|435|436|437|438");
    EXPECT_EQ(data.Group("D020130"), "246|247|248|249|250|251");
    EXPECT_EQ(data.Group("D02201"), "352|353|354|355|356|357");
    for (const char* group : {"D020214", "D020222"}) EXPECT_EQ(data.Group(group), kEmpty22) << group;
    EXPECT_EQ(data.Group("D020232"), kEmpty6);
}

TEST_F(SavedReturnDataTest, SimplifiedAndExemptFillTheBusinessReturnOnly) {
    FillDistinctFigures();
    SetRefundAmount(*saved_, 1, 5 * kYen);
    for (TaxMethod method : {TaxMethod::Simplified, TaxMethod::Exempt}) {
        taxMethod_ = method;
        for (int entity : {1, 2, 3}) {
            dataSet_.entityKind = static_cast<std::uint8_t>(entity);
            ASSERT_TRUE(Write());
            const WrittenData data = Data();
            EXPECT_EQ(data.Group("D020114"), "||||||||||||") << int(method);
            EXPECT_EQ(data.Group("D020124"), "|||||||||||||||||||||||||||||||");
            EXPECT_EQ(data.Group("D02204"), kEmpty6);
            // Categories in the order excluding tax, tax, including tax; no remainder; the
            // exempt figure of the sales group (4) or of the returns (11).
            EXPECT_EQ(data.Group("D020214"), "1|2|3|11|12|13|21|22|23|31|32|33|41|42|43|51|52|53||||4");
            EXPECT_EQ(data.Group("D020221"),
                      "3004|3005|3006|3014|3015|3016|3024|3025|3026|"
                      "3034|3035|3036|3044|3045|3046|3054|3055|3056||||311");
            EXPECT_EQ(data.Group("D020233"), "146|147|148|149|150|151");
            EXPECT_EQ(data.Group("KANPUH"), "|||||||||||||||");
            EXPECT_EQ(data.Group("KANPUK"), "||||||||||||||||");
        }
    }
}

TEST_F(SavedReturnDataTest, SecuritiesAreWrittenTwentyfold) {
    SetSavedFigure(*saved_, 0, 5, 1000 * kYen);
    SetSavedFigure(*saved_, 3, 5, -3);  // -0.0003 yen: -0.006, rounded up by magnitude
    roundingMode_ = 2;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Value("D020114", "HIKAZEIURIAGEYUUKAZEINUKI10"), "20000");
    EXPECT_EQ(Data().Value("D020111", "HIKAZEIURIAGEYUUKAZEINUKI5"), "-1");
}

TEST_F(SavedReturnDataTest, TwentyfoldBeyondSixtyFourBitsFailsBeforeItsElement) {
    SetSavedFigure(*saved_, 0, 5, std::numeric_limits<std::int64_t>::max() / 19);
    EXPECT_FALSE(Write());
    EXPECT_TRUE(written_.ends_with("<MENZEIURIAGEZEINUKI10></MENZEIURIAGEZEINUKI10>\r\n")) << written_;
    // Left empty by the method, the figure is never multiplied.
    taxMethod_ = TaxMethod::Simplified;
    EXPECT_TRUE(Write());
}

TEST_F(SavedReturnDataTest, CorporateStatementTakesItsFlagsAndAmounts) {
    for (int n = 1; n <= 16; ++n) SetRefundAmount(*saved_, n, n * kYen);
    saved_->refund.corporateFlag = 2;
    saved_->refund.corporateAssetsFlag = 7;
    for (int entity : {0, 1, 2}) {
        dataSet_.entityKind = static_cast<std::uint8_t>(entity);
        ASSERT_TRUE(Write());
        EXPECT_EQ(Data().Group("KANPUH"), "2|1|2|3|4|5|6|7|8|1|9|10|11|12|13|14") << entity;
    }
    for (int n = 9; n <= 14; ++n) SetRefundAmount(*saved_, n, 0);
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Group("KANPUH"), "2|1|2|3|4|5|6|7|8|||||||");
    dataSet_.entityKind = 3;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Group("KANPUH"), "|||||||||||||||");
}

TEST_F(SavedReturnDataTest, IndividualStatementTakesAllSixteenAmounts) {
    for (int n = 1; n <= 16; ++n) SetRefundAmount(*saved_, n, n * kYen);
    SetRefundAmount(*saved_, 3, 0);
    saved_->refund.individualFlag = 2;
    dataSet_.incomeKind = 1;  // no filter by income kind
    for (int entity : {2, 3, 4}) {
        dataSet_.entityKind = static_cast<std::uint8_t>(entity);
        ASSERT_TRUE(Write());
        EXPECT_EQ(Data().Group("KANPUK"), "2|1|2||4|5|6|7|8|9|10|11|12|13|14|15|16") << entity;
    }
    // Entity type 2 fills both statements from the same amounts.
    dataSet_.entityKind = 2;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Group("KANPUH"), "1|1|2||4|5|6|7|8|1|9|10|11|12|13|14");
    saved_->refund.individualFlag = 1;
    dataSet_.entityKind = 4;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Value("KANPUK", "KESSANZEIKUBUN"), "1");
    dataSet_.entityKind = 0;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Group("KANPUK"), "||||||||||||||||");
    std::memset(saved_.get(), 0, sizeof(StSaveTaxInfo));
    dataSet_.entityKind = 3;
    ASSERT_TRUE(Write());
    EXPECT_EQ(Data().Group("KANPUK"), "||||||||||||||||");
}

}  // namespace
