// Environment types of the accounting system; the program uses only the application type.
#pragma once

class ClSysEnvMgr {
public:
    // The edition of the accounting product that started the program.
    enum _AppType {
        _AppType_Base = 0,
        _AppType_Alto = 3,
        _AppType_Vita = 4,
    };
};
