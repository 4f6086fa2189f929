// What tells the three deliverables apart: the application type announced to the accounting
// system, the product-name literal, and the name of the per-user settings file.
#pragma once

struct ProgramIdentity {
    int appType;  // ClSysEnvMgr::_AppType
    const char* productName;
    const char* settingsFileName;
};
