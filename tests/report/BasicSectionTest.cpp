// BASIC's values for both methods, and the journal method's test for figures at a
// transitional rate.
#include "report/BasicSection.h"
#include "report/TransitionalRateFigures.h"

#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Values = std::vector<std::string>;

Values AsVector(const BasicValues& values) { return Values(values.begin(), values.end()); }

StDATAINFO DataSet(std::uint8_t entityKind) {
    StDATAINFO dataSet{};
    std::strcpy(dataSet.companyName, "ABC商事");
    dataSet.periodFirst = 20240401;
    dataSet.periodLast = 20250331;
    dataSet.entityKind = entityKind;
    return dataSet;
}

class BasicSectionTest : public HostFixture {
protected:
    // The core serves books whose data set has this number of tax rates.
    void Serve(int rateCount) {
        auto books = ScenarioBooks();
        SelectedDataSet(books)["rates"] = rateCount;
        LoadBooks(books);
        StartHost();
    }

    std::vector<StTAXREPORTRATEINFO> rates_ = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business_ = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
};

TEST_F(BasicSectionTest, JournalMethodTakesTheDataSetAndTheTaxMethod) {
    Serve(5);
    ReportFigures figures;
    figures.rates = rates_;
    figures.businessTypes = business_;
    figures.taxMethod = TaxMethod::General;
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(1), figures, ReportMethod::Journal)),
              (Values{"ＡＢＣ商事", "20240401", "20250331", "1", "1", "2", "1", "1"}));
    figures.taxMethod = TaxMethod::Simplified;
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(1), figures, ReportMethod::Journal)),
              (Values{"ＡＢＣ商事", "20240401", "20250331", "1", "2", "2", "1", ""}));
    figures.taxMethod = TaxMethod::Exempt;
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(1), figures, ReportMethod::Journal)),
              (Values{"ＡＢＣ商事", "20240401", "20250331", "1", "2", "2", "1", ""}));
}

TEST_F(BasicSectionTest, EntityTypesOfBothMethods) {
    Serve(5);
    StSaveTaxInfo saved{};
    ReportFigures figures;
    figures.savedReturn = &saved;
    const std::string expected[] = {"1", "1", "", "2", "2", "", ""};
    for (std::uint8_t entity = 0; entity <= 6; ++entity) {
        for (ReportMethod method : {ReportMethod::Journal, ReportMethod::SavedReturn}) {
            EXPECT_EQ(ComposeBasicValues(DataSet(entity), figures, method)[3], expected[entity])
                << "entity " << int(entity) << " method " << int(method);
        }
    }
}

TEST_F(BasicSectionTest, SavedMethodTakesTheSavedReturn) {
    Serve(5);
    StSaveTaxInfo saved{};
    saved.periodFirst = 20230101;
    saved.periodLast = 20231231;
    ReportFigures figures;
    figures.savedReturn = &saved;
    figures.taxMethod = TaxMethod::General;
    // Amounts at a transitional rate do not count in this method; only the saved flag does.
    figures.rates = rates_;
    rates_[2].taxableSalesExcl = 10000;
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(3), figures, ReportMethod::SavedReturn)),
              (Values{"ＡＢＣ商事", "20230101", "20231231", "2", "1", "2", "1", "1"}));

    saved.transitionalAssets = 1;
    saved.salesCalcMethod = 1;
    saved.purchaseCalcMethod = 1;
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(3), figures, ReportMethod::SavedReturn)),
              (Values{"ＡＢＣ商事", "20230101", "20231231", "2", "1", "1", "2", "2"}));

    figures.taxMethod = TaxMethod::Simplified;  // no purchase computation outside general taxation
    EXPECT_EQ(AsVector(ComposeBasicValues(DataSet(3), figures, ReportMethod::SavedReturn)),
              (Values{"ＡＢＣ商事", "20230101", "20231231", "2", "2", "1", "2", ""}));
}

TEST_F(BasicSectionTest, JournalMethodLooksForTransitionalFiguresUpToTheRateCount) {
    ReportFigures figures;
    figures.rates = rates_;
    figures.businessTypes = business_;
    rates_[2].taxableSalesExcl = 10000;
    Serve(5);
    EXPECT_EQ(ComposeBasicValues(DataSet(1), figures, ReportMethod::Journal)[5], "1");
    Serve(2);
    EXPECT_EQ(ComposeBasicValues(DataSet(1), figures, ReportMethod::Journal)[5], "2");
}

TEST_F(BasicSectionTest, NoTaxSettingsObjectMeansNoTransitionalFigures) {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["taxObject"] = false;
    LoadBooks(books);
    StartHost();
    rates_[4].badDebtsExcl = 1;
    EXPECT_FALSE(HoldsTransitionalRateFigures(rates_, business_));
}

// The figures themselves, with the rate count given.
class TransitionalRateFiguresTest : public ::testing::Test {
protected:
    bool Holds(int rateCount) const { return HoldsTransitionalRateFigures(rates_, business_, rateCount); }

    std::vector<StTAXREPORTRATEINFO> rates_ = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business_ = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
};

TEST_F(TransitionalRateFiguresTest, CurrentRatesAndRecordHeadsDoNotCount) {
    rates_[0].taxableSalesExcl = 1;
    rates_[1].importLocalRefund = 1;
    business_[11].returnsExcl = 1;
    for (auto& rate : rates_) rate.taxRate = 800;
    for (auto& business : business_) business.business = 3;
    EXPECT_FALSE(Holds(5));
}

TEST_F(TransitionalRateFiguresTest, AnyOfThe55RateFiguresCounts) {
    // The first and the last of the 55 amounts after the 9-byte head.
    rates_[2].taxableSalesExcl = -1;
    EXPECT_TRUE(Holds(5));
    rates_[2].taxableSalesExcl = 0;
    rates_[4].otherFigures[10] = 5;
    EXPECT_TRUE(Holds(5));
    EXPECT_FALSE(Holds(4));  // 3% lies past four rates
}

TEST_F(TransitionalRateFiguresTest, BusinessRecordsOfTransitionalRatesCount) {
    business_[12].salesIncl = 1;  // 8%, business type 1
    EXPECT_TRUE(Holds(3));
    business_[12].salesIncl = 0;
    business_[29].returnsExcl = 1;  // 3%, business type 6
    EXPECT_TRUE(Holds(5));
    EXPECT_FALSE(Holds(4));
}

TEST_F(TransitionalRateFiguresTest, RateCountBoundsTheLookAndTheArraysBoundTheCount) {
    rates_[2].taxableSalesExcl = 1;
    business_[12].salesIncl = 1;
    EXPECT_FALSE(Holds(2));
    EXPECT_FALSE(Holds(-3));
    rates_.resize(2);
    business_.resize(12);
    EXPECT_FALSE(Holds(10));  // nothing read past the arrays
}

}  // namespace
