#include "aggregate/AccountList.h"

#include "aggregate/AccountClasses.h"
#include "aggregate/CoreObjects.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClSetKamoku.h"

#include <span>

namespace {

// Room for the larger selection.
constexpr std::size_t kMaxClasses = AccountClasses::kIndividualSelection.size();
static_assert(AccountClasses::kCorporateSelection.size() <= kMaxClasses);

// One "class equals" item per code, joined by "or".
class ClassCondition {
public:
    explicit ClassCondition(std::span<const std::uint32_t> classes) {
        for (std::size_t i = 0; i < classes.size(); ++i) {
            const std::int16_t connector = i + 1 < classes.size() ? FindCode::LinkOr : FindCode::LinkEnd;
            record_.items[i] = FindItem::Compare(FindCode::FieldAccountClass, 0, FindCode::Equal,
                                                 FindCode::TypeAccountClass, static_cast<std::int32_t>(classes[i]),
                                                 connector);
        }
    }

    const StFINDINFO* Info() const { return record_.Info(); }

private:
    StFINDRECORD<kMaxClasses> record_{};
};

std::span<const std::uint32_t> ClassesOf(AccountSelection selection) {
    if (selection == AccountSelection::Corporate) return AccountClasses::kCorporateSelection;
    return AccountClasses::kIndividualSelection;
}

}  // namespace

void BuildAccountList(AggregationContext& context, AccountSelection selection) {
    const ClassCondition condition(ClassesOf(selection));
    context.accountList.clear();
    auto* accounts = DataManagerSetObject<SetObject::Accounts>();
    if (accounts != nullptr) {
        ClSetBase::CursorHandle cursor = 0;
        accounts->GetCursor(cursor);
        accounts->ReadyCursor(cursor);
        for (;;) {
            StKAMOKUINFO account{};
            if (accounts->WalkFind(condition.Info(), &account, cursor) != 0) break;
            context.activity.Tick();
            if (account.excluded == 0) context.accountList.push_back(account);
        }
        accounts->ReleaseCursor(cursor);
    }
    context.activity.FillActivity();
}
