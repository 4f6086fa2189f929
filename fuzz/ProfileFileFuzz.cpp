// The INI reader: any initialisation file is read without harm. The input's first line names
// the section, its second line the key, the rest is the file.
#include "fuzz/FuzzTarget.h"
#include "platform/SystemServices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [section, afterSection] = Fuzz::SplitFirstLine(Fuzz::Bytes(data, size));
    const auto [key, content] = Fuzz::SplitFirstLine(afterSection);
    Fuzz::WriteHostFile(Fuzz::HostDriveC() + "/Fuzz.ini", content);

    const std::string value =
        platform::GetPrivateProfileString(std::string(section), std::string(key), "none", "C:\\Fuzz.ini");
    Fuzz::Require(value.size() <= content.size() || value == "none", "a value comes from the file");
    (void)platform::GetPrivateProfileString("TX31", "ProgramLevel", "", "C:\\Fuzz.ini");
    return 0;
}
