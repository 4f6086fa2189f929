// Search conditions (StFINDINFO) compiled once and evaluated per record: items joined by
// "and" (binding tighter) and "or"; a field-999 item is its parenthesised sub-chain.
#pragma once

#include "core_api/StFINDINFO.h"

#include <cstdint>
#include <vector>

namespace StandIn {

struct BookLine;
struct BookAccount;
struct BookAsset;

// The kind of record a condition is evaluated on decides which fields it knows.
enum class FindTarget { JournalLine, Account, Asset };

class FindCondition {
public:
    // Status of Compile: 0, or kBadCondition for an unknown field, comparison, side or
    // connector, or a chain that is too long or too deep.
    static constexpr std::int32_t kBadCondition = 2101;

    // A null condition matches every record.
    std::int32_t Compile(const StFINDINFO* condition, FindTarget target);

    // A journal condition of few terms is checked through tables built by Compile: which terms
    // hold for the line's month position and each side's category, and whether the condition
    // holds for that set of terms.
    bool Matches(const BookLine& line) const;
    // The same for any line with these small fields (BookLine::codes), all that a journal
    // condition reads.
    bool MatchesLineCodes(std::uint64_t codes) const;
    bool Matches(const BookAccount& account) const;
    bool Matches(const BookAsset& asset) const;

private:
    struct Term {
        std::int32_t field;
        std::int16_t side;
        std::int16_t comparison;
        std::int64_t value;
        int chain;      // field 999: index of the sub-chain
        bool endsGroup;  // followed by "or" or the chain's end
    };
    struct Chain {
        int begin;
        int end;
    };

    std::int32_t CompileChain(const StFINDITEM* first, FindTarget target, int depth, int& chainIndex);
    template <typename Record>
    bool Evaluate(int chain, const Record& record) const;
    // Evaluates with holds(term index) deciding each term.
    template <typename Holds>
    bool EvaluateWith(int chain, const Holds& holds) const;
    void BuildDirectCheck();
    // The top chain is compiled last, after its sub-chains.
    int Root() const { return static_cast<int>(chains_.size()) - 1; }
    static bool Compare(std::int64_t actual, std::int16_t comparison, std::int64_t value);

    std::vector<Term> terms_;
    std::vector<Chain> chains_;
    bool matchAll_ = true;
    // The direct check of a journal condition (direct_ false: evaluated term by term).
    bool direct_ = false;
    std::uint16_t monthTerms_[32] = {};
    std::uint16_t debitTerms_[256] = {};
    std::uint16_t creditTerms_[256] = {};
    std::vector<bool> holdsFor_;  // by set of holding terms
};

}  // namespace StandIn
