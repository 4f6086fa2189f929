#include "platform/CFile.h"

#include "platform/ServiceSeams.h"

FileOpening::FileOpening(UINT flags)
    : writable((flags & (CFile::modeWrite | CFile::modeReadWrite)) != 0),
      createNew((flags & CFile::modeCreateNew) != 0),
      create(createNew || (flags & CFile::modeCreate) != 0) {}

DWORD FileOpening::InjectedRefusal(std::string_view name) const {
    if (Changes() && Seams().RefusesFile(name)) return ERROR_ACCESS_DENIED;
    if (create && Seams().HoldsBusy(name, false)) return ERROR_SHARING_VIOLATION;
    return ERROR_SUCCESS;
}
