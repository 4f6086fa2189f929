// The account list of the journal passes: the accounts of the statement's classes, read
// from the account master in its order.
#pragma once

#include "aggregate/AggregationContext.h"

enum class AccountSelection { Corporate, Individual };

// Empties the context's list and fills it with the selection's accounts that the master does
// not exclude, ticking once per account walked; leaves the activity bar full.
void BuildAccountList(AggregationContext& context, AccountSelection selection);
