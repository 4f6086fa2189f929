#include "app/FilingGeneration.h"

#include <gtest/gtest.h>

namespace {

constexpr TaxMethod kExempt = TaxMethod::Exempt;
constexpr TaxMethod kSimplified = TaxMethod::Simplified;
constexpr TaxMethod kGeneral = TaxMethod::General;

std::string Name(std::int32_t first, std::int32_t last, TaxMethod method) {
    return ChooseFilingGeneration(first, last, method).executable;
}

TEST(FilingGeneration, ExemptDataIsAlwaysTheNewestGeneration) {
    EXPECT_EQ(ChooseFilingGeneration(19990101, 19991231, kExempt).executable, "TXRP-2004.exe");
    EXPECT_EQ(ChooseFilingGeneration(19990101, 19991231, kExempt).substituteRate, 1000);
}

TEST(FilingGeneration, LastDayBoundaries) {
    for (TaxMethod method : {kSimplified, kGeneral, TaxMethod{7}}) {
        EXPECT_EQ(Name(20190401, 20200401, method), "TXRP-2004.exe");
        EXPECT_EQ(Name(20190401, 20200331, method), "TXRP-1910.exe");
        EXPECT_EQ(Name(20190101, 20191001, method), "TXRP-1910.exe");
        EXPECT_EQ(Name(20130101, 20140401, method), "TXRP-1404.exe");
        EXPECT_EQ(Name(20130101, 20140331, method), "TXRP-9704.exe");
    }
}

TEST(FilingGeneration, TheAsymmetricRow) {
    // Simplified taxation tests the first day against 2016-01-01 ...
    EXPECT_EQ(Name(20160101, 20160331, kSimplified), "TXRP-1510.exe");
    EXPECT_EQ(Name(20151231, 20160331, kSimplified), "TXRP-1504.exe");
    EXPECT_EQ(Name(20151001, 20151231, kSimplified), "TXRP-1504.exe");
    EXPECT_EQ(Name(20150401, 20160331, kSimplified), "TXRP-1504.exe");
    // ... general taxation the last day against 2015-10-01.
    EXPECT_EQ(Name(20150401, 20160331, kGeneral), "TXRP-1510.exe");
    EXPECT_EQ(Name(20150101, 20151001, kGeneral), "TXRP-1510.exe");
    EXPECT_EQ(Name(20150401, 20150930, kGeneral), "TXRP-1504.exe");
    EXPECT_EQ(Name(20150331, 20150930, kGeneral), "TXRP-1404.exe");
}

TEST(FilingGeneration, RatesFollowTheGeneration) {
    EXPECT_EQ(ChooseFilingGeneration(20190401, 20200331, kGeneral).substituteRate, 1000);
    EXPECT_EQ(ChooseFilingGeneration(20150401, 20160331, kSimplified).substituteRate, 800);
    EXPECT_EQ(ChooseFilingGeneration(20130101, 20140331, kGeneral).substituteRate, 500);
}

}  // namespace
