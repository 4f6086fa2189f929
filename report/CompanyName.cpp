#include "report/CompanyName.h"

#include "platform/MbcsText.h"
#include "platform/SystemServices.h"

std::string ConvertCompanyName(std::string_view name) {
    if (name.empty()) return {};
    // Full-width mapping at most doubles a text; two bytes more leave room for the terminator.
    std::string wide(name.size() * 2 + 2, '\0');
    const int length = platform::LCMapString(LCMAP_FULLWIDTH, name.data(), static_cast<int>(name.size()),
                                             wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return MbcsText::CutAt(wide, kCompanyNameBytes);
}
