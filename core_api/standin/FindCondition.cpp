#include "core_api/standin/FindCondition.h"

#include "core_api/standin/Books.h"

#include <algorithm>
#include <iterator>

namespace StandIn {

namespace {

constexpr int kMaxItems = 256;
// Terms of a condition that the direct check covers: a table of 2^n entries is built per compile.
constexpr int kMaxDirectTerms = 10;
constexpr int kMaxDepth = 16;

bool KnownField(std::int32_t field, FindTarget target) {
    switch (target) {
    case FindTarget::JournalLine: return field == FindCode::FieldMonthKind || field == FindCode::FieldTaxCategory;
    case FindTarget::Account: return field == FindCode::FieldAccountClass;
    case FindTarget::Asset: return field == FindCode::FieldAssetDate;
    }
    return false;
}

bool KnownComparison(std::int16_t comparison) {
    return comparison == FindCode::Equal || comparison == FindCode::AtLeast ||
           comparison == FindCode::LessThan || comparison == FindCode::AtMost;
}

// Months are 16-bit values; account classes are unsigned 32-bit; the rest signed 32-bit.
std::int64_t ItemValue(const StFINDITEM& item) {
    if (item.valueType == FindCode::TypeMonth) return item.value.shortValue;
    if (item.field == FindCode::FieldAccountClass) return static_cast<std::uint32_t>(item.value.longValue);
    return item.value.longValue;
}

// A journal condition reads only a line's small fields.
struct LineCodes {
    std::uint64_t codes;
};

std::int64_t FieldOf(const LineCodes& line, std::int32_t field, std::int16_t side) {
    if (field == FindCode::FieldMonthKind) return BookLine::MonthKindOf(line.codes);
    return BookLine::CategoryOf(line.codes, side);
}

std::int64_t FieldOf(const BookAccount& account, std::int32_t, std::int16_t) { return account.accountClass; }
std::int64_t FieldOf(const BookAsset& asset, std::int32_t, std::int16_t) { return asset.date; }

}  // namespace

std::int32_t FindCondition::Compile(const StFINDINFO* condition, FindTarget target) {
    terms_.clear();
    chains_.clear();
    matchAll_ = condition == nullptr;
    if (matchAll_) return 0;
    int root = 0;
    std::int32_t status = CompileChain(condition->items, target, 0, root);
    if (status != 0) matchAll_ = false, terms_.clear(), chains_.clear();
    direct_ = false;
    if (status == 0 && target == FindTarget::JournalLine) BuildDirectCheck();
    return status;
}

void FindCondition::BuildDirectCheck() {
    std::vector<int> bitOf(terms_.size(), -1);
    int bits = 0;
    for (std::size_t i = 0; i < terms_.size(); ++i)
        if (terms_[i].chain < 0) bitOf[i] = bits++;
    if (bits > kMaxDirectTerms) return;
    std::fill(std::begin(monthTerms_), std::end(monthTerms_), 0);
    std::fill(std::begin(debitTerms_), std::end(debitTerms_), 0);
    std::fill(std::begin(creditTerms_), std::end(creditTerms_), 0);
    for (std::size_t i = 0; i < terms_.size(); ++i) {
        const Term& term = terms_[i];
        if (bitOf[i] < 0) continue;
        const auto bit = static_cast<std::uint16_t>(1u << bitOf[i]);
        if (term.field == FindCode::FieldMonthKind) {
            for (int v = 0; v < 32; ++v)
                if (Compare(v, term.comparison, term.value)) monthTerms_[v] |= bit;
        } else {
            std::uint16_t* table = term.side == 1 ? debitTerms_ : creditTerms_;
            for (int v = 0; v < 256; ++v)
                if (Compare(v, term.comparison, term.value)) table[v] |= bit;
        }
    }
    holdsFor_.assign(std::size_t{1} << bits, false);
    for (std::size_t set = 0; set < holdsFor_.size(); ++set)
        holdsFor_[set] = EvaluateWith(Root(), [&](int term) { return (set >> bitOf[term] & 1) != 0; });
    direct_ = true;
}

std::int32_t FindCondition::CompileChain(const StFINDITEM* first, FindTarget target, int depth, int& chainIndex) {
    if (first == nullptr || depth > kMaxDepth) return kBadCondition;
    // Sub-chains are compiled first so that each chain's terms stay contiguous.
    std::vector<Term> own;
    for (int i = 0;; ++i) {
        if (i >= kMaxItems) return kBadCondition;
        const StFINDITEM& item = first[i];
        Term term{item.field, item.side, item.comparison, 0, -1, false};
        if (item.field == FindCode::FieldSubChain) {
            std::int32_t status = CompileChain(item.subChain, target, depth + 1, term.chain);
            if (status != 0) return status;
        } else {
            if (!KnownField(item.field, target) || !KnownComparison(item.comparison)) return kBadCondition;
            if (item.field == FindCode::FieldTaxCategory && item.side != 1 && item.side != 2) return kBadCondition;
            term.value = ItemValue(item);
        }
        std::int16_t connector = item.connector;
        if (connector != FindCode::LinkEnd && connector != FindCode::LinkAnd && connector != FindCode::LinkOr)
            return kBadCondition;
        term.endsGroup = connector != FindCode::LinkAnd;
        own.push_back(term);
        if (connector == FindCode::LinkEnd) break;
    }
    chainIndex = static_cast<int>(chains_.size());
    chains_.push_back({static_cast<int>(terms_.size()), static_cast<int>(terms_.size() + own.size())});
    terms_.insert(terms_.end(), own.begin(), own.end());
    return 0;
}

bool FindCondition::Compare(std::int64_t actual, std::int16_t comparison, std::int64_t value) {
    switch (comparison) {
    case FindCode::Equal: return actual == value;
    case FindCode::AtLeast: return actual >= value;
    case FindCode::LessThan: return actual < value;
    case FindCode::AtMost: return actual <= value;
    }
    return false;
}

template <typename Record>
bool FindCondition::Evaluate(int chain, const Record& record) const {
    return EvaluateWith(chain, [&](int i) {
        const Term& term = terms_[i];
        return Compare(FieldOf(record, term.field, term.side), term.comparison, term.value);
    });
}

// An or of and-groups: a group holds while all its terms hold.
template <typename Holds>
bool FindCondition::EvaluateWith(int chain, const Holds& holds) const {
    bool group = true;
    for (int i = chains_[chain].begin; i < chains_[chain].end; ++i) {
        const Term& term = terms_[i];
        if (group) group = term.chain >= 0 ? EvaluateWith(term.chain, holds) : holds(i);
        if (term.endsGroup) {
            if (group) return true;
            group = true;
        }
    }
    return false;
}

bool FindCondition::Matches(const BookLine& line) const { return MatchesLineCodes(line.codes); }

bool FindCondition::MatchesLineCodes(std::uint64_t codes) const {
    if (matchAll_) return true;
    if (direct_) {
        const unsigned terms = monthTerms_[BookLine::MonthKindOf(codes)] |
                               debitTerms_[BookLine::CategoryOf(codes, 1)] |
                               creditTerms_[BookLine::CategoryOf(codes, 2)];
        return holdsFor_[terms];
    }
    return !chains_.empty() && Evaluate(Root(), LineCodes{codes});
}

bool FindCondition::Matches(const BookAccount& account) const {
    return matchAll_ || (!chains_.empty() && Evaluate(Root(), account));
}

bool FindCondition::Matches(const BookAsset& asset) const {
    return matchAll_ || (!chains_.empty() && Evaluate(Root(), asset));
}

}  // namespace StandIn
