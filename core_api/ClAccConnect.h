// The connection to the running accounting system (one per process). The program sets the
// title and the calling program's window directly, before any other use.
#pragma once

#include "core_api/ClSysEnvMgr.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

class ClAccConnect {
public:
    static ClAccConnect* Inst();

    std::int32_t SetAppType(ClSysEnvMgr::_AppType type);
    std::int32_t SetUseDataType(int type);
    std::int32_t Initiate();    // 0 connected
    std::int32_t ExpSysLink();  // 0 linked, 1 declined, other failed
    // A message shown on the program's behalf, owned by owner (nullptr for none); the token
    // ES_APRPACKAGENAME in text is replaced by the filing application's name. Answers the
    // message box's answer (IDOK, IDYES, IDNO).
    int DispMsg(HWND owner, const std::string& text, const std::string& caption, UINT style);
    std::int32_t LogOut();
    std::int32_t Terminate();
    std::int32_t Release();

    std::string m_strTitle;
    HWND m_hWnd = nullptr;

private:
    ClAccConnect() = default;
};
