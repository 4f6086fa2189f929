// The five texts of the conditions dialog and what the selected data tells of its settings.
#include "app/DialogTexts.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

namespace {

class DialogTextsTest : public HostFixture {
protected:
    // The texts for these tax settings (CP932, like the literals they are compared with).
    std::vector<std::string> Texts(const nlohmann::json& tax) {
        auto books = ScenarioBooks();
        SelectedDataSet(books)["tax"] = tax;
        LoadBooks(books);
        StartHost();
        state_ = ReadSelectedData();
        std::vector<std::string> texts;
        for (int number = 0; number < 6; ++number) texts.push_back(DialogText(state_, number));
        HostSession::Stop();
        return texts;
    }

    SelectedData state_;
};

nlohmann::json Tax(int method, int mainBusiness = 0, int credit = 0, int rounding = 0) {
    return {{"method", method}, {"rounding", rounding}, {"credit", credit}, {"mainBusiness", mainBusiness}};
}

TEST_F(DialogTextsTest, CompanyAndPeriod) {
    const auto texts = Texts(Tax(2));
    EXPECT_EQ(texts[0], " 株式会社表ソ申商事");
    EXPECT_EQ(texts[1], " 2024/04/01～2025/03/31");
    EXPECT_EQ(texts[5], "");
}

TEST_F(DialogTextsTest, ExemptHasNoFourthRow) {
    const auto texts = Texts(Tax(0, 3, 1, 2));
    EXPECT_EQ(texts[2], " 免税");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(texts[4], "");
    EXPECT_EQ(state_.Method(), TaxMethod::Exempt);
    EXPECT_EQ(state_.RoundingMode(), 2);
    EXPECT_EQ(state_.MainBusinessCategory(), 0);
}

TEST_F(DialogTextsTest, SimplifiedShowsTheMainBusinessCategory) {
    const char* labels[] = {" 指定なし",         " 第一種事業 卸売業",     " 第二種事業 小売業",
                            " 第三種事業 製造業", " 第四種事業 その他",     " 第五種事業 サービス業",
                            " 第六種事業 不動産業"};
    for (int category = 0; category <= 6; ++category) {
        const auto texts = Texts(Tax(1, category));
        EXPECT_EQ(texts[2], " 簡易課税");
        EXPECT_EQ(texts[3], "主となる事業分類");
        EXPECT_EQ(texts[4], labels[category]);
        EXPECT_EQ(state_.MainBusinessCategory(), category);
        EXPECT_EQ(state_.Method(), TaxMethod::Simplified);
    }
}

TEST_F(DialogTextsTest, GeneralShowsThePurchaseCreditMethod) {
    EXPECT_EQ(Texts(Tax(2, 0, 0))[4], " 個別対応方式");
    const auto texts = Texts(Tax(2, 4, 1, 1));
    EXPECT_EQ(texts[2], " 原則課税");
    EXPECT_EQ(texts[3], "課税仕入控除");
    EXPECT_EQ(texts[4], " 一括比例配分方式");
    EXPECT_EQ(state_.Method(), TaxMethod::General);
    EXPECT_EQ(state_.RoundingMode(), 1);
    EXPECT_EQ(state_.MainBusinessCategory(), 0);
}

TEST_F(DialogTextsTest, UnreadableSettingsGiveTheExemptTexts) {
    const auto texts = Texts(nullptr);
    EXPECT_EQ(texts[2], " 免税");
    EXPECT_EQ(texts[3], "");
}

}  // namespace
