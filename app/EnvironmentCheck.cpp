#include "app/EnvironmentCheck.h"

#include "core_api/ClAccConnect.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "resources/MessageCaption.h"

#include <cstdlib>

namespace {

// The generation of the filing application this component is built for.
constexpr int kProgramLevel = 4;
constexpr std::size_t kDirectoryLimit = 260;
constexpr std::size_t kLevelLimit = 15;

enum class Fit { Unusable = -1, Fits = 0, FilingAppOlder = 1, ComponentOlder = 2 };

const char* MessageOf(Fit fit) {
    switch (fit) {
    case Fit::FilingAppOlder:
        return "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
               "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。";
    case Fit::ComponentOlder:
        return "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
               "連動コンポーネントの最新版を入手してインストールしてからご利用ください。";
    default:
        return "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。";
    }
}

Fit ReadFit() {
    std::string path = platform::GetCurrentDirectory();
    if (path.empty() || path.size() > kDirectoryLimit) return Fit::Unusable;
    if (!MbcsText::EndsWithBackslash(path)) path += '\\';
    path += "ZeimonDef.ini";
    if (platform::GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return Fit::Unusable;
    // The level was read into a 16-byte buffer.
    const std::string level =
        MbcsText::CutAt(platform::GetPrivateProfileString("TX31", "ProgramLevel", "2", path), kLevelLimit);
    if (level.empty()) return Fit::Unusable;
    const int value = std::atoi(level.c_str());
    if (value == kProgramLevel) return Fit::Fits;
    return value < kProgramLevel ? Fit::FilingAppOlder : Fit::ComponentOlder;
}

}  // namespace

bool CheckEnvironment(HWND owner) {
    const Fit fit = ReadFit();
    if (fit == Fit::Fits) return true;
    ClAccConnect::Inst()->DispMsg(owner, MessageOf(fit), kMessageCaption, MB_OK | MB_ICONWARNING);
    return false;
}
