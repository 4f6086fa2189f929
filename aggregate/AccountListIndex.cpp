#include "aggregate/AccountListIndex.h"

AccountListIndex::AccountListIndex(const AccountList& list, SetOfClass setOf) {
    std::size_t position = 0;
    for (const StKAMOKUINFO& account : list) {
        const int set = setOf(account.accountClass);
        const std::int32_t code = account.code;  // a copy: the record's fields are unaligned
        if (set >= 0) nodes_[code].push_back({position, set});
        ++position;
    }
}
