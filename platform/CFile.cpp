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

BOOL CFile::Write(const void* data, UINT count) {
    if (!file_ || !file_->Writable()) return FALSE;
    bool injected = true;
    const bool written = SeamedWrite(count, [&] {
        injected = false;
        return file_->WriteWhole(data, count);
    });
    return written || file_->WriteFailed(injected);
}

UINT CFile::Read(void* buffer, UINT count) {
    UINT total = 0;
    while (file_ && total < count) {
        const UINT got = file_->ReadSome(static_cast<char*>(buffer) + total, count - total);
        if (got == 0) break;
        total += got;
    }
    return total;
}
