#include "core_api/ClDataMgr.h"

#include "core_api/ClFileMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/standin/World.h"

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr manager;
    return &manager;
}

ClSetBase* ClDataMgr::GetSetObject(int number, int) {
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClDataMgr::GetSetObject");
    return world.SetObject(number);
}

ClSetMgr* ClDataMgr::GetSetMgr() {
    static ClSetMgr setMgr;
    StandIn::World::Get().Log("ClDataMgr::GetSetMgr");
    return &setMgr;
}

ClSysUser* ClDataMgr::GetSysUserObject() {
    static ClSysUser user;
    StandIn::World::Get().Log("ClDataMgr::GetSysUserObject");
    return &user;
}

ClSetBase* ClSetMgr::GetSetObject(int number, int) {
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClSetMgr::GetSetObject");
    return world.SetObject(number);
}

ClLinkMgr* ClLinkMgr::Inst() {
    static ClLinkMgr manager;
    return &manager;
}

ClOptLink* ClLinkMgr::GetOptLink() {
    static ClOptLink optLink;
    StandIn::World::Get().Log("ClLinkMgr::GetOptLink");
    return &optLink;
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
