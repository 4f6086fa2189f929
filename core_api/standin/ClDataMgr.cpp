#include "core_api/ClDataMgr.h"

#include "core_api/ClFileMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/standin/World.h"

namespace {

// The one object of a class that a manager hands out, the call logged.
template <class Object>
Object* Logged(Object& object, const char* call) {
    StandIn::World::Get().Log(call);
    return &object;
}

// Both managers hand out the same set objects.
ClSetBase* LoggedSetObject(const char* call, int number) {
    StandIn::World& world = StandIn::World::Get();
    world.Log(call);
    return world.SetObject(number);
}

}  // namespace

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr manager;
    return &manager;
}

ClSetBase* ClDataMgr::GetSetObject(int number, int) { return LoggedSetObject("ClDataMgr::GetSetObject", number); }

ClSetMgr* ClDataMgr::GetSetMgr() {
    static ClSetMgr setMgr;
    return Logged(setMgr, "ClDataMgr::GetSetMgr");
}

ClSysUser* ClDataMgr::GetSysUserObject() {
    static ClSysUser user;
    return Logged(user, "ClDataMgr::GetSysUserObject");
}

ClSetBase* ClSetMgr::GetSetObject(int number, int) { return LoggedSetObject("ClSetMgr::GetSetObject", number); }

ClLinkMgr* ClLinkMgr::Inst() {
    static ClLinkMgr manager;
    return &manager;
}

ClOptLink* ClLinkMgr::GetOptLink() {
    static ClOptLink optLink;
    return Logged(optLink, "ClLinkMgr::GetOptLink");
}

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr manager;
    return &manager;
}

std::string ClFileMgr::GetAppFolderPath(int type) {
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClFileMgr::GetAppFolderPath");
    if (type == 0) return world.BooksData().outputFolder;
    if (type == 1) return world.BooksData().settingsFolder;
    return std::string();
}
