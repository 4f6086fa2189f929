#include "core_api/standin/SavedReturnKeys.h"

#include "core_api/StSaveTaxInfo.h"

#include <string>

namespace StandIn {

namespace {

// The figures of StSaveTaxRateFigures, in field order.
constexpr std::string_view kRateKeys[] = {
    "KAZEIURIAGEZEINUKI", "KAZEIURIAGEZEIGAKU", "KAZEIURIAGEZEIKOMI", "MENZEIURIAGEZEINUKI",
    "HIKAZEIURIAGEYUUKAZEINUKI", "HIKAZEIURIAGEYUUKAIGAIZEINUKI", "HIKAZEISHISANYUSHUTSUZEINUKI",
    "KAZEIURIAGEHENKANZEINUKI", "KAZEIURIAGEHENKANZEIGAKU", "KAZEIURIAGEHENKANZEIKOMI",
    "MENZEIURIAGEHENKANZEINUKI", "HIKAZEIURIAGEHENKANZEINUKI", "HIKAZEISHISANHENKANZEINUKI",
    "SHIIREKAZEIZEINUKI", "SHIIREKAZEIZEIGAKU", "SHIIREKAZEIZEIKOMI",
    "SHIIREHIKAZEIZEINUKI", "SHIIREHIKAZEIZEIGAKU", "SHIIREHIKAZEIZEIKOMI",
    "SHIIREKYOTUUZEINUKI", "SHIIREKYOTUUZEIGAKU", "SHIIREKYOTUUZEIKOMI",
    "TOKUTEISHIIREKAZEIZEINUKI", "TOKUTEISHIIREHIKAZEIZEINUKI", "TOKUTEISHIIREKYOTUUZEINUKI",
    "YUNYUSHIIREKAZEIZEIGAKU", "YUNYUSHIIREHIKAZEIZEIGAKU", "YUNYUSHIIREKYOTUUZEIGAKU", "YUNYUSHIIRETIHO",
    "SHIIREHENKANKAZEIZEINUKI", "SHIIREHENKANKAZEIZEIGAKU", "SHIIREHENKANKAZEIZEIKOMI",
    "SHIIREHENKANHIKAZEIZEINUKI", "SHIIREHENKANHIKAZEIZEIGAKU", "SHIIREHENKANHIKAZEIZEIKOMI",
    "SHIIREHENKANKYOTUUZEINUKI", "SHIIREHENKANKYOTUUZEIGAKU", "SHIIREHENKANKYOTUUZEIKOMI",
    "TOKUTEISHIIREHENKANKAZEIZEINUKI", "TOKUTEISHIIREHENKANHIKAZEIZEINUKI", "TOKUTEISHIIREHENKANKYOTUUZEINUKI",
    "YUNYUHENKANKAZEIZEIGAKU", "YUNYUHENKANHIKAZEIZEIGAKU", "YUNYUHENKANKYOTUUZEIGAKU", "YUNYUHENKANTIHO",
    "KASHIDAOREZEINUKI", "KASHIDAOREZEIGAKU", "KASHIDAOREZEIKOMI",
    "KASHIDAOREKAISHUZEINUKI", "KASHIDAOREKAISHUZEIGAKU", "KASHIDAOREKAISHUZEIKOMI",
    "GIMUMENJOKAZEI", "GIMUMENJOHIKAZEI", "GIMUMENJOKYOTUU",
    "KAZEIURIAGEWARIAIHENDO", "KAZEIGYOMUYOTENYO", "KYOJUYOCHINTAI",
};
static_assert(std::size(kRateKeys) * 8 == sizeof(StSaveTaxRateFigures));

constexpr std::string_view kAmountEndings[] = {"ZEINUKI", "ZEIGAKU", "ZEIKOMI"};

// "KAZEIURIAGE3SHUZEIGAKU" / "KAZEIHENKAN3SHUZEIGAKU": figure index within
// StSaveTaxBusinessFigures and the category.
bool BusinessKey(std::string_view key, int& figure, int& category) {
    for (int returns = 0; returns < 2; ++returns) {
        std::string_view stem = returns ? "KAZEIHENKAN" : "KAZEIURIAGE";
        if (key.substr(0, stem.size()) != stem || key.size() != stem.size() + 4 + 7) continue;
        char digit = key[stem.size()];
        if (digit < '1' || digit > '6' || key.substr(stem.size() + 1, 3) != "SHU") continue;
        for (int e = 0; e < 3; ++e) {
            if (key.substr(stem.size() + 4) == kAmountEndings[e]) {
                figure = returns * 3 + e;
                category = digit - '1';
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool SavedFigureOffset(std::string_view key, int ratePosition, std::size_t& offset) {
    for (std::size_t i = 0; i < std::size(kRateKeys); ++i) {
        if (kRateKeys[i] == key) {
            offset = offsetof(StSaveTaxInfo, rates) + ratePosition * sizeof(StSaveTaxRateFigures) + i * 8;
            return true;
        }
    }
    int figure = 0, category = 0;
    if (!BusinessKey(key, figure, category)) return false;
    offset = offsetof(StSaveTaxInfo, business) +
             (ratePosition * kSavedBusinessCount + category) * sizeof(StSaveTaxBusinessFigures) + figure * 8;
    return true;
}

bool UnsavedElement(std::string_view key) {
    for (std::string_view stem : {"KAZEIURIAGEZERO", "KAZEIHENKANZERO"}) {
        for (std::string_view ending : kAmountEndings) {
            if (key.size() == stem.size() + ending.size() && key.starts_with(stem) && key.ends_with(ending)) return true;
        }
    }
    return false;
}

}  // namespace StandIn
