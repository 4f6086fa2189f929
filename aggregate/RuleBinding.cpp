#include "aggregate/RuleBinding.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/ClRuleBase.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"

const char* SelectedDataId() {
    auto* dataSets = DataManagerSetObject<SetObject::DataSets>();
    return dataSets != nullptr ? dataSets->GetSelectedInfo()->dataId : "";
}

void BindRule(ClRuleBase& rule, const char* dataId) {
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID(dataId);
    rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
}
