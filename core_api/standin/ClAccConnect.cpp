#include "core_api/ClAccConnect.h"

#include "core_api/standin/World.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"

namespace {

// The filing application's name stands in for this token of the connection's messages.
constexpr char kPackageToken[] = "ES_APRPACKAGENAME";
constexpr char kPackageName[] = "税匠";

std::string ExpandPackageName(const std::string& text) {
    std::string out;
    std::size_t from = 0;
    for (;;) {
        std::size_t at = MbcsText::FindText(text, kPackageToken, from);
        if (at == MbcsText::npos) break;
        out.append(text, from, at - from).append(kPackageName);
        from = at + sizeof kPackageToken - 1;
    }
    return out.append(text, from, std::string::npos);
}

}  // namespace

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect connection;
    return &connection;
}

std::int32_t ClAccConnect::SetAppType(ClSysEnvMgr::_AppType) {
    if (auto fault = StandIn::World::Get().Fault("ClAccConnect::SetAppType")) return *fault;
    return 0;
}

std::int32_t ClAccConnect::SetUseDataType(int) {
    if (auto fault = StandIn::World::Get().Fault("ClAccConnect::SetUseDataType")) return *fault;
    return 0;
}

std::int32_t ClAccConnect::Initiate() {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClAccConnect::Initiate")) return *fault;
    return world.BooksData().initiate;
}

std::int32_t ClAccConnect::ExpSysLink() {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClAccConnect::ExpSysLink")) return *fault;
    return world.BooksData().link;
}

int ClAccConnect::DispMsg(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    StandIn::World::Get().Log("ClAccConnect::DispMsg");
    return platform::MessageBox(owner, ExpandPackageName(text), caption, style);
}

std::int32_t ClAccConnect::LogOut() {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClAccConnect::LogOut")) return *fault;
    // A run that never needed the journal (the saved-return method, a cancelled dialog) never
    // reads it: its outcome does not hang on journal lines it did not use.
    return 0;
}

std::int32_t ClAccConnect::Terminate() {
    if (auto fault = StandIn::World::Get().Fault("ClAccConnect::Terminate")) return *fault;
    return 0;
}

std::int32_t ClAccConnect::Release() {
    if (auto fault = StandIn::World::Get().Fault("ClAccConnect::Release")) return *fault;
    return 0;
}
