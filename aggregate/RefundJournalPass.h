// The journal pass of both refund statements: the chosen months' lines with a side that is not
// a taxable purchase, read through the context's journal rule, each such side matched against
// the account list of the statement's classes. Both statements start and read it alike; what a
// side adds to is theirs.
#pragma once

#include "aggregate/AccountList.h"
#include "aggregate/AccountListIndex.h"
#include "aggregate/Accumulate.h"
#include "aggregate/AggregationContext.h"
#include "aggregate/NotTaxablePurchaseCondition.h"
#include "aggregate/TaxCategory.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/CoreStatus.h"
#include "core_api/StSHOHIZEIINFO.h"

#include <cstdint>

// A side of a journal line that the pass hands over, with its amount (tax included when the
// books are taken tax-included).
struct NotTaxablePurchaseSide {
    int set;  // of the account-list node the side applies to
    const StSWKSIDE& side;
    bool isDebit;
    std::int64_t amount;  // stored figure

    // A debit adds to the figure, a credit takes from it. Both results are made and one kept:
    // the journal's sides come in no order a branch could foresee.
    void ApplyTo(std::int64_t& figure) const {
        std::int64_t sum = 0;
        std::int64_t difference = 0;
        const bool sumOverflows = __builtin_add_overflow(figure, amount, &sum);
        const bool differenceOverflows = __builtin_sub_overflow(figure, amount, &difference);
        if (isDebit ? sumOverflows : differenceOverflows) throw AmountOverflow{};
        figure = isDebit ? sum : difference;
    }
};

class RefundJournalPass {
public:
    enum class Ticks { PerLine, None };

    RefundJournalPass(AggregationContext& context, const StSHOHIZEIINFO& settings)
        : context_(context), settings_(settings), condition_(context) {}
    RefundJournalPass(const RefundJournalPass&) = delete;
    RefundJournalPass& operator=(const RefundJournalPass&) = delete;

    // Makes the context's journal rule on first use, fills the account list with the
    // selection's accounts and indexes them by setOf, counts the lines the condition takes and
    // readies the forward move over them. False, with nothing more done, when the journal rule
    // cannot be made.
    bool Start(AccountSelection selection, AccountListIndex::SetOfClass setOf);

    ClRuleShiwake& Rule() const { return *context_.journalRule; }
    const AccountListIndex& Index() const { return index_; }
    std::uint32_t LineCount() const { return lineCount_; }

    // Reads the counted lines in order and hands take(side) each side, in the index's order,
    // whose category is not a taxable purchase. False when a read fails, leaving the move as
    // it is; else the move is finished.
    template <class Take>
    bool ReadLines(Ticks ticks, Take take) {
        ClRuleShiwake& rule = Rule();
        std::int32_t status = 0;
        for (std::uint32_t i = 0; i < lineCount_; ++i) {
            if (ticks == Ticks::PerLine) context_.activity.Tick();
            StSWKTINFO line{};
            status = rule.MoveNext(&line);
            if (status != 0) break;
            const std::int64_t debit = SideAmount(line.debit, settings_);
            const std::int64_t credit = SideAmount(line.credit, settings_);
            // A taxable purchase side adds to nothing.
            index_.ForEachSide(line, NotTaxablePurchaseCategory(line.debit.taxCategory),
                               NotTaxablePurchaseCategory(line.credit.taxCategory), [&](int set, bool isDebit) {
                                   take(NotTaxablePurchaseSide{set, isDebit ? line.debit : line.credit, isDebit,
                                                               isDebit ? debit : credit});
                               });
        }
        if (status != 0 && status != CoreStatus::EndOfRecords) return false;
        rule.MoveFinish();
        return true;
    }

private:
    AggregationContext& context_;
    const StSHOHIZEIINFO& settings_;
    const NotTaxablePurchaseCondition condition_;
    AccountListIndex index_;
    std::uint32_t lineCount_ = 0;
};
