// The journal pass both refund statements share: the sides it hands over, its ticks, and how
// a failed read ends it.
#include "aggregate/AccountClasses.h"
#include "aggregate/RefundJournalPass.h"
#include "tests/aggregate/RefundFixture.h"

#include <vector>

namespace {

using namespace RefundBooks;

constexpr int kMay = 20240515;

class RefundJournalPassTest : public RefundFixture {
protected:
    RefundJournalPassTest() {
        AddAccount(Account(300, 0x40882004));  // an SG&A member
        AddAccount(Account(400, 0x40844000));  // non-operating
        AddLine(Line(kMay, Side(300, 1000, 24)));
        AddLine(Line(kMay, Side(400, 7, 21)));                    // a taxable purchase: not handed over
        AddLine(Line(kMay, Side(400, 300, 13), Side(300, 100, 0)));  // both sides, in list order
    }

    struct Taken {
        int set;
        bool isDebit;
        std::int64_t figure;  // the side applied to zero
    };

    // Starts the corporate pass and reads it; the sides handed over, and the ticks of the read.
    bool Read(RefundJournalPass::Ticks ticks, std::vector<Taken>& taken, int& readTicks) {
        Prepare();
        RefundJournalPass pass(context_, settings_);
        EXPECT_TRUE(pass.Start(AccountSelection::Corporate, AccountClasses::CorporateSetOf));
        const int ticksBefore = activity_.ticks;
        const bool read = pass.ReadLines(ticks, [&](const NotTaxablePurchaseSide& side) {
            std::int64_t figure = 0;
            side.ApplyTo(figure);
            taken.push_back({side.set, side.isDebit, figure});
        });
        readTicks = activity_.ticks - ticksBefore;
        return read;
    }
};

TEST_F(RefundJournalPassTest, HandsOverEachNotTaxableSideWithItsSign) {
    std::vector<Taken> taken;
    int ticks = 0;
    ASSERT_TRUE(Read(RefundJournalPass::Ticks::None, taken, ticks));
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].set, AccountClasses::AdminExpenses);
    EXPECT_EQ(taken[0].figure, Yen(1000));
    EXPECT_EQ(taken[1].set, AccountClasses::AdminExpenses);
    EXPECT_FALSE(taken[1].isDebit);
    EXPECT_EQ(taken[1].figure, -Yen(100));
    EXPECT_EQ(taken[2].set, AccountClasses::NonOperatingExpenses);
    EXPECT_EQ(taken[2].figure, Yen(300));
    EXPECT_EQ(Calls("ClRuleShiwake::MoveFinish"), 1);
}

TEST_F(RefundJournalPassTest, TicksOncePerLineOnlyWhenAsked) {
    for (const auto& [mode, expected] : {std::pair{RefundJournalPass::Ticks::PerLine, 3},
                                         std::pair{RefundJournalPass::Ticks::None, 0}}) {
        std::vector<Taken> taken;
        int ticks = -1;
        EXPECT_TRUE(Read(mode, taken, ticks));
        EXPECT_EQ(ticks, expected);
        context_.Release();
    }
}

// A failed read leaves the move unfinished; the end of the records before the count does not.
TEST_F(RefundJournalPassTest, FailedReadEndsThePassUnfinished) {
    struct Case {
        int status;
        bool read;
        int finishes;
    };
    for (const Case c : {Case{9, false, 0}, Case{5000, true, 1}}) {
        AddFault("ClRuleShiwake::MoveNext", c.status, 1);
        std::vector<Taken> taken;
        int ticks = 0;
        EXPECT_EQ(Read(RefundJournalPass::Ticks::None, taken, ticks), c.read) << c.status;
        EXPECT_EQ(taken.size(), 1u) << c.status;
        EXPECT_EQ(Calls("ClRuleShiwake::MoveFinish"), c.finishes) << c.status;
        context_.Release();
    }
}

}  // namespace
