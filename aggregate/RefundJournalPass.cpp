#include "aggregate/RefundJournalPass.h"

#include "aggregate/CoreObjects.h"

bool RefundJournalPass::Start(AccountSelection selection, AccountListIndex::SetOfClass setOf) {
    if (!EnsureRule(context_.journalRule)) return false;
    BuildAccountList(context_, selection);
    index_ = AccountListIndex(context_.accountList, setOf);
    Rule().GetSwkCount(condition_.Info(), nullptr, lineCount_);
    Rule().MoveReady(condition_.Info(), nullptr, nullptr, _ECursorType_Forward);
    return true;
}
