#include "aggregate/BusinessCategory.h"
#include "aggregate/TaxCategory.h"
#include "aggregate/TaxRateClass.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(NotTaxablePurchaseCategory, FalseOnlyForDomesticTaxablePurchasesAndTheirReturns) {
    const std::set<int> taxablePurchases = {21, 22, 23, 25, 26, 27, 28, 29};
    for (int code = 0; code <= 255; ++code) {
        EXPECT_EQ(NotTaxablePurchaseCategory(code), !taxablePurchases.contains(code)) << code;
    }
}

TEST(TaxCategories, CatalogueOrderGroupsAndTaxedFlags) {
    const std::vector<int> expectedOrder = {11, 30, 14, 13, 19, 15, 16, 17, 21, 22, 23, 31, 32,
                                            33, 51, 52, 53, 61, 62, 63, 64, 24, 25, 26, 27, 35,
                                            36, 37, 55, 56, 57, 65, 66, 67, 68, 41, 42, 99, 0};
    const std::set<int> untaxed = {30, 14, 13, 19, 16, 17, 24, 99, 0};
    std::vector<int> order;
    for (const TaxCategory& category : TaxCategories::kAll) {
        order.push_back(category.code);
        EXPECT_EQ(category.taxed, !untaxed.contains(category.code)) << category.code;
        EXPECT_EQ(TaxCategories::Find(category.code), &category);
    }
    EXPECT_EQ(order, expectedOrder);
    // Groups are contiguous runs: 8 sales, 27 purchases, 2 bad debts, 2 others.
    for (std::size_t i = 0; i < TaxCategories::kAll.size(); ++i) {
        const int expectedGroup = i < 8 ? 1 : i < 35 ? 2 : i < 37 ? 3 : 4;
        EXPECT_EQ(static_cast<int>(TaxCategories::kAll[i].group), expectedGroup) << i;
    }
    EXPECT_EQ(TaxCategories::Find(12), nullptr);
    EXPECT_EQ(TaxCategories::Find(255), nullptr);
}

TEST(TaxCategories, NamesAreShiftJis) {
    EXPECT_EQ(TaxCategories::Find(11)->name, Bytes({0x89, 0xDB, 0x90, 0xC5, 0x94, 0x84, 0x8F, 0xE3}));
    EXPECT_EQ(TaxCategories::Find(99)->name, Bytes({0x96, 0xA2, 0x8A, 0x6D, 0x92, 0xE8}));
}

TEST(TaxRateClasses, FiveColumnsInTheirFixedOrder) {
    struct Row { int rate; bool reduced; int percent; char digit; std::string suffix; };
    const std::vector<Row> expected = {{1000, false, 10, '4', "10"}, {800, true, 8, '3', "8K"},
                                       {800, false, 8, '0', "8"}, {500, false, 5, '1', "5"},
                                       {300, false, 3, '2', "3"}};
    ASSERT_EQ(TaxRateClasses::kAll.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TaxRateClass& rate = TaxRateClasses::kAll[i];
        EXPECT_EQ(rate.position, static_cast<int>(i));
        EXPECT_EQ(rate.rateHundredths, expected[i].rate);
        EXPECT_EQ(rate.reduced, expected[i].reduced);
        EXPECT_EQ(rate.ratePercent, expected[i].percent);
        EXPECT_EQ(rate.groupDigit, expected[i].digit);
        EXPECT_EQ(rate.elementSuffix, expected[i].suffix);
    }
    EXPECT_EQ(TaxRateClasses::kAll[0].label, "10%");
    EXPECT_EQ(TaxRateClasses::kAll[1].label, Bytes({0x38, 0x25, 0x8C, 0x79}));  // 8%軽
    EXPECT_EQ(TaxRateClasses::kAll[4].label, "3%");
}

TEST(BusinessCategories, LabelsByNumber) {
    EXPECT_EQ(BusinessCategories::Label(0), Bytes({0x8E, 0x77, 0x92, 0xE8, 0x82, 0xC8, 0x82, 0xB5}));
    EXPECT_EQ(BusinessCategories::Label(6),
              Bytes({0x91, 0xE6, 0x98, 0x5A, 0x8E, 0xED, 0x8E, 0x96, 0x8B, 0xC6, 0x20, 0x95,
                     0x73, 0x93, 0xAE, 0x8E, 0x59, 0x8B, 0xC6}));  // 第六種事業 不動産業
    EXPECT_EQ(BusinessCategories::Label(7), "");
    EXPECT_EQ(BusinessCategories::Label(-1), "");
}

}  // namespace
