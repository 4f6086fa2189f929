// The core's set objects by number, each with the class it answers, and typed getters over
// the two ways the core hands them out (the data manager and the set manager, mode 1 always).
#pragma once

#include "core_api/ClDataMgr.h"
#include "core_api/ClSetBumon.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetKamoku.h"
#include "core_api/ClSetMgr.h"
#include "core_api/ClSetShohizei.h"

enum class SetObject : int { Accounts = 1, Departments = 2, TaxSettings = 4, DataSets = 5 };

template <SetObject> struct SetObjectClass;
template <> struct SetObjectClass<SetObject::Accounts> { using Type = ClSetKamoku; };
template <> struct SetObjectClass<SetObject::Departments> { using Type = ClSetBumon; };
template <> struct SetObjectClass<SetObject::TaxSettings> { using Type = ClSetShohizei; };
template <> struct SetObjectClass<SetObject::DataSets> { using Type = ClSetData; };

template <SetObject kind>
using SetObjectType = typename SetObjectClass<kind>::Type;

// The set object through the data manager; null when the core has none.
template <SetObject kind>
SetObjectType<kind>* DataManagerSetObject() {
    return static_cast<SetObjectType<kind>*>(ClDataMgr::Inst()->GetSetObject(static_cast<int>(kind), 1));
}

// The set object through the set manager; null when the core has none.
template <SetObject kind>
SetObjectType<kind>* SetManagerSetObject() {
    ClSetMgr* manager = ClDataMgr::Inst()->GetSetMgr();
    return manager != nullptr ? static_cast<SetObjectType<kind>*>(manager->GetSetObject(static_cast<int>(kind), 1))
                              : nullptr;
}
