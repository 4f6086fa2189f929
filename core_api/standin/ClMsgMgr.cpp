#include "core_api/ClMsgMgr.h"

#include "core_api/ClAccConnect.h"
#include "core_api/CoreStatus.h"
#include "core_api/standin/World.h"
#include "platform/SystemServices.h"

ClMsgMgr* ClMsgMgr::Inst() {
    static ClMsgMgr manager;
    return &manager;
}

std::int32_t ClMsgMgr::SetLastError(std::int32_t status, const char* location, int line) {
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClMsgMgr::SetLastError");
    StandIn::ErrorRecord& record = world.LastError();
    record.status = status;
    record.location = location != nullptr ? location : "";
    record.line = line;
    return status;
}

int ClMsgMgr::CheckFatalErrorWithMsg(std::int32_t status, int, int show, HWND owner) {
    StandIn::World::Get().Log("ClMsgMgr::CheckFatalErrorWithMsg");
    if (status == CoreStatus::Ok || status == CoreStatus::EndOfRecords) return 0;
    if (show != 0)
        platform::MessageBox(owner, "会計データの処理中にエラーが発生しました。\n(エラーコード: " + std::to_string(status) + ")",
                             ClAccConnect::Inst()->m_strTitle, MB_OK | MB_ICONWARNING);
    return 1;
}

std::int32_t ClMsgMgr::GetLastErrorStatus() const { return StandIn::World::Get().LastError().status; }
std::string ClMsgMgr::GetLastErrorLocation() const { return StandIn::World::Get().LastError().location; }
int ClMsgMgr::GetLastErrorLine() const { return StandIn::World::Get().LastError().line; }
