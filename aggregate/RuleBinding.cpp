#include "aggregate/RuleBinding.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/ClRuleBase.h"
#include "core_api/ClSetData.h"

namespace {

constexpr int kDataSetObject = 5;

}  // namespace

const char* SelectedDataId() {
    auto* dataSets = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(kDataSetObject, 1));
    return dataSets != nullptr ? dataSets->GetSelectedInfo()->dataId : "";
}

void BindRule(ClRuleBase& rule, const char* dataId) {
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID(dataId);
    rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
}
