// The catalogue against an independent statement of the DATA section: identifiers written out,
// names rebuilt from the stems and position lists of each family.
#include "report/RateFigureTable.h"
#include "report/ReportCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const std::vector<std::string> kSuffixes = {"10", "8K", "8", "5", "3"};

Names Triple(const std::string& stem) { return {stem + "ZEINUKI", stem + "ZEIGAKU", stem + "ZEIKOMI"}; }

Names Join(std::initializer_list<Names> parts) {
    Names joined;
    for (const Names& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

Names WithSuffix(const Names& stems, const std::string& suffix) {
    Names names;
    for (const std::string& stem : stems) names.push_back(stem + suffix);
    return names;
}

Names SalesStems() {
    return Join({Triple("KAZEIURIAGE"), {"MENZEIURIAGEZEINUKI", "HIKAZEIURIAGEYUUKAZEINUKI",
                 "HIKAZEIURIAGEYUUKAIGAIZEINUKI", "HIKAZEISHISANYUSHUTSUZEINUKI"},
                 Triple("KAZEIURIAGEHENKAN"), {"MENZEIURIAGEHENKANZEINUKI",
                 "HIKAZEIURIAGEHENKANZEINUKI", "HIKAZEISHISANHENKANZEINUKI"}});
}

// 10% and 8% have every position; 8% reduced has no specified purchases; 5% and 3% have
// neither specified purchases nor imports.
Names PurchaseStems(int ratePosition) {
    const bool specified = ratePosition == 0 || ratePosition == 2;
    const bool imports = ratePosition <= 2;
    const Names none;
    return Join({Triple("SHIIREKAZEI"), Triple("SHIIREHIKAZEI"), Triple("SHIIREKYOTUU"),
                 specified ? Names{"TOKUTEISHIIREKAZEIZEINUKI", "TOKUTEISHIIREHIKAZEIZEINUKI",
                                   "TOKUTEISHIIREKYOTUUZEINUKI"} : none,
                 imports ? Names{"YUNYUSHIIREKAZEIZEIGAKU", "YUNYUSHIIREHIKAZEIZEIGAKU",
                                 "YUNYUSHIIREKYOTUUZEIGAKU", "YUNYUSHIIRETIHO"} : none,
                 Triple("SHIIREHENKANKAZEI"), Triple("SHIIREHENKANHIKAZEI"), Triple("SHIIREHENKANKYOTUU"),
                 specified ? Names{"TOKUTEISHIIREHENKANKAZEIZEINUKI", "TOKUTEISHIIREHENKANHIKAZEIZEINUKI",
                                   "TOKUTEISHIIREHENKANKYOTUUZEINUKI"} : none,
                 imports ? Names{"YUNYUHENKANKAZEIZEIGAKU", "YUNYUHENKANHIKAZEIZEIGAKU",
                                 "YUNYUHENKANKYOTUUZEIGAKU", "YUNYUHENKANTIHO"} : none});
}

Names BadDebtStems() { return Join({Triple("KASHIDAORE"), Triple("KASHIDAOREKAISHU")}); }

Names AdjustmentStems() {
    return {"GIMUMENJOKAZEI", "GIMUMENJOHIKAZEI", "GIMUMENJOKYOTUU", "KAZEIURIAGEWARIAIHENDO",
            "KAZEIGYOMUYOTENYO", "KYOJUYOCHINTAI"};
}

Names ByBusinessCategory(const std::string& stem, const std::string& exempt) {
    Names stems;
    for (int n = 1; n <= 6; ++n) stems = Join({stems, Triple(stem + std::to_string(n) + "SHU")});
    return Join({stems, Triple(stem + "ZERO"), {exempt}});
}

struct ExpectedGroup {
    std::string identifier;
    Names names;
};

std::vector<ExpectedGroup> ExpectedDataGroups() {
    const std::vector<std::vector<std::string>> identifiers = {
        {"D020114", "D020113", "D020110", "D020111", "D020112"},
        {"D020124", "D020123", "D020120", "D020121", "D020122"},
        {"D020134", "D020133", "D020130", "D020131", "D020132"},
        {"D02204", "D02203", "D02200", "D02201", "D02202"},
        {"D020214", "D020213", "D020210", "D020211", "D020212"},
        {"D020224", "D020223", "D020220", "D020221", "D020222"},
        {"D020234", "D020233", "D020230", "D020231", "D020232"}};
    std::vector<ExpectedGroup> groups;
    for (std::size_t family = 0; family < identifiers.size(); ++family) {
        for (int rate = 0; rate < 5; ++rate) {
            const Names stems = family == 0   ? SalesStems()
                                : family == 1 ? PurchaseStems(rate)
                                : family == 3 ? AdjustmentStems()
                                : family == 4 ? ByBusinessCategory("KAZEIURIAGE", "MENZEIURIAGEZEINUKI")
                                : family == 5 ? ByBusinessCategory("KAZEIHENKAN", "MENZEIURIAGEHENKANZEINUKI")
                                              : BadDebtStems();
            groups.push_back({identifiers[family][static_cast<std::size_t>(rate)],
                              WithSuffix(stems, kSuffixes[static_cast<std::size_t>(rate)])});
        }
    }
    groups.push_back({"KANPUH", {"KESSANZEIKUBUN", "SHOHINSHIIRE1", "SHOHINSHIIRE2", "HANBAIIPPAN1",
                                 "HANBAIIPPAN2", "EIGYOGAIHIYOU1", "EIGYOGAIHIYOU2", "SONOTASONEKI1",
                                 "SONOTASONEKI2", "SHISANZEIKUBUN", "KOTEISHISAN1", "KOTEISHISAN2",
                                 "KURINOBESHISAN1", "KURINOBESHISAN2", "SONOTASISAN1", "SONOTASISAN2"}});
    groups.push_back({"KANPUK", {"KESSANZEIKUBUN", "JIGYOSHIIRE1", "JIGYOSHIIRE2", "JIGYOHITSUYOU1",
                                 "JIGYOHITSUYOU2", "JIGYOKOTEISHISAN1", "JIGYOKOTEISHISAN2",
                                 "FUDOUSANHITSUYOU1", "FUDOUSANHITSUYOU2", "FUDOUSANKOTEISHISAN1",
                                 "FUDOUSANKOTEISHISAN2", "SONOTASHIIRE1", "SONOTASHIIRE2",
                                 "SONOTAHITSUYOU1", "SONOTAHITSUYOU2", "SONOTAKOTEISHISAN1",
                                 "SONOTAKOTEISHISAN2"}});
    return groups;
}

Names Actual(const DataGroup& group) {
    const auto names = ReportCatalogue::Names(group);
    return Names(names.begin(), names.end());
}

TEST(ReportCatalogue, DataGroupsHoldTheirNamesInDocumentOrder) {
    const std::vector<ExpectedGroup> expected = ExpectedDataGroups();
    ASSERT_EQ(ReportCatalogue::kDataGroups.size(), expected.size());
    std::size_t total = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DataGroup& group = ReportCatalogue::kDataGroups[i];
        EXPECT_EQ(group.identifier, expected[i].identifier);
        EXPECT_EQ(Actual(group), expected[i].names) << expected[i].identifier;
        total += group.count;
    }
    EXPECT_EQ(total, 534u);
    EXPECT_EQ(ReportCatalogue::kElementNames.size(), 14u + 534u);
}

TEST(ReportCatalogue, GroupCountsPerFamily) {
    const std::vector<std::size_t> expectedCounts = {13, 13, 13, 13, 13, 32, 26, 32, 18, 18,
                                                     6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
                                                     22, 22, 22, 22, 22, 22, 22, 22, 22, 22,
                                                     6, 6, 6, 6, 6, 16, 17};
    std::vector<std::size_t> counts;
    for (const DataGroup& group : ReportCatalogue::kDataGroups) counts.push_back(group.count);
    EXPECT_EQ(counts, expectedCounts);
}

TEST(ReportCatalogue, SystemAndBasicNamesComeFirst) {
    const Names expected = {"GYOUMUPREFIX", "VERSION", "FUNCTIONID", "CONNECTEDPROGRAMVER",
                            "PROGRAMNAME", "PROGRAMVER", "KOMONSAKINAME", "JIGYOUNENDOFROM",
                            "JIGYOUNENDOTO", "HOUJINKOJINKUBUN", "KAZEIKUBUN",
                            "KEIKASHOCHIKAZEISHISAN", "URIAGEZEIGAKUKEISAN", "SHIIREZEIGAKUKEISAN"};
    const auto& names = ReportCatalogue::kElementNames;
    EXPECT_EQ(Names(names.begin(), names.begin() + 14), expected);
    EXPECT_EQ(names[ReportCatalogue::kBasicFirst], "KOMONSAKINAME");
    EXPECT_EQ(ReportCatalogue::kDataGroups.front().first, ReportCatalogue::kDataFirst);
}

TEST(ReportCatalogue, GroupsFoundByFamilyAndRate) {
    EXPECT_EQ(ReportCatalogue::RateGroup(DataFamily::Sales, 0).identifier, "D020114");
    EXPECT_EQ(ReportCatalogue::RateGroup(DataFamily::Purchases, 1).identifier, "D020123");
    EXPECT_EQ(ReportCatalogue::RateGroup(DataFamily::Adjustments, 4).identifier, "D02202");
    EXPECT_EQ(ReportCatalogue::RateGroup(DataFamily::BusinessBadDebts, 2).identifier, "D020230");
    EXPECT_EQ(ReportCatalogue::CorporateRefundGroup().identifier, "KANPUH");
    EXPECT_EQ(ReportCatalogue::IndividualRefundGroup().identifier, "KANPUK");
    // The two bad-debt families share their names but each has its own run of entries.
    const DataGroup& general = ReportCatalogue::RateGroup(DataFamily::BadDebts, 3);
    const DataGroup& business = ReportCatalogue::RateGroup(DataFamily::BusinessBadDebts, 3);
    EXPECT_EQ(Actual(general), Actual(business));
    EXPECT_NE(general.first, business.first);
}

}  // namespace

namespace {

TEST(ReportCatalogue, BusinessReturnBadDebtsRepeatTheGeneralReturnsNames) {
    for (int rate = 0; rate < TaxRateClasses::kCount; ++rate) {
        const auto general = ReportCatalogue::Names(ReportCatalogue::RateGroup(DataFamily::BadDebts, rate));
        const auto business = ReportCatalogue::Names(ReportCatalogue::RateGroup(DataFamily::BusinessBadDebts, rate));
        EXPECT_TRUE(std::equal(general.begin(), general.end(), business.begin(), business.end())) << rate;
    }
}

// An element finds its table entry at the 10% element of the same stem, whatever its place
// in its own group.
TEST(RateFigureTable, EntriesFollowTheStemOfThe10PercentElement) {
    struct Case {
        DataFamily family;
        int rate;
        std::string_view name;
        std::size_t entry;
    };
    const Case cases[] = {
        {DataFamily::Purchases, 1, "SHIIREKAZEIZEINUKI8K", 0},
        {DataFamily::Purchases, 1, "YUNYUHENKANTIHO8K", 31},
        {DataFamily::Purchases, 4, "SHIIREHENKANKAZEIZEINUKI3", 16},
        {DataFamily::Sales, 2, "HIKAZEISHISANHENKANZEINUKI8", 12},
        {DataFamily::BadDebts, 3, "KASHIDAOREKAISHUZEIKOMI5", 5},
        {DataFamily::Purchases, 2, "KASHIDAOREZEINUKI8", RateFigureTable::kNoEntry},  // another family's
        {DataFamily::Sales, 3, "KAZEIURIAGEZEINUKI8", RateFigureTable::kNoEntry},     // another rate's
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RateFigureTable::EntryOf(ReportCatalogue::RateGroup(c.family, c.rate), c.name), c.entry) << c.name;
    }
}

}  // namespace
