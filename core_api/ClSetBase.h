// Base of the core's set objects (account master, departments, tax settings, data sets).
// They belong to the core: the program never deletes them.
#pragma once

#include <cstdint>

class ClSetMgr;

class ClSetBase {
public:
    // A cursor over the records of a set object.
    using CursorHandle = std::int32_t;

    ClSetBase(const ClSetBase&) = delete;
    ClSetBase& operator=(const ClSetBase&) = delete;

    std::int32_t AttachSetMgr(ClSetMgr* setMgr);
    // Makes the data set with this identifier (StDATAINFO::dataId) the current one.
    std::int32_t SetCurDataID(const char* dataId);

    std::int32_t GetCursor(CursorHandle& cursor);
    std::int32_t ReadyCursor(CursorHandle cursor);
    std::int32_t ReleaseCursor(CursorHandle cursor);

protected:
    ClSetBase() = default;
    virtual ~ClSetBase() = default;
};
