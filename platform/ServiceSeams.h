// The seams where a test build makes the services fail as a full disk, a locked file or a
// refusing folder would. Each service wrapper of a backend consults this one table before the
// real call; the default refuses nothing.
#pragma once

#include <cstdint>
#include <string_view>

class ServiceSeams {
public:
    virtual ~ServiceSeams() = default;

    // Names are the last part of the path, CP932.
    virtual bool RefusesFolder(std::string_view /*name*/) { return false; }
    virtual bool RefusesFile(std::string_view /*name*/) { return false; }
    virtual bool RefusesReplace(std::string_view /*targetName*/) { return false; }
    // A creation (or replacement) finds the file held by another program; each true uses up
    // one of the injected attempts.
    virtual bool HoldsBusy(std::string_view /*name*/, bool /*replacement*/) { return false; }
    virtual bool LosesCurrentDirectory() { return false; }
    // A write of count bytes: refused whole, or counted once the system wrote it.
    virtual bool RefusesWrite(std::uint64_t /*count*/) { return false; }
    virtual void Wrote(std::uint64_t /*count*/) {}
};

ServiceSeams& Seams();
// nullptr puts the default back.
void SetSeams(ServiceSeams* seams);

// A CFile::Write of count bytes in either backend: refused whole when the seams refuse it, else
// the system's write (true when it wrote all of them, having taken back any part), counted.
template <class SystemWrite>
bool SeamedWrite(std::uint64_t count, SystemWrite&& write) {
    if (count == 0) return true;
    if (Seams().RefusesWrite(count) || !write()) return false;
    Seams().Wrote(count);
    return true;
}
