// The business categories of simplified taxation, numbered as the accounting product labels
// them; 0 is "none". The core's per-business-type records hold 1 to 6 in this order.
#pragma once

#include <array>
#include <string_view>

namespace BusinessCategories {

inline constexpr int kNone = 0;
inline constexpr int kFirst = 1;
inline constexpr int kLast = 6;
// How many there are: the core keeps this many business-type records per tax rate.
inline constexpr int kCount = kLast - kFirst + 1;
// The sixth category (real estate) applies only to periods that begin on 2015-04-01 or later.
inline constexpr int kSixth = 6;

inline constexpr std::array<std::string_view, 7> kLabels = {
    "指定なし",
    "第一種事業 卸売業",
    "第二種事業 小売業",
    "第三種事業 製造業",
    "第四種事業 その他",
    "第五種事業 サービス業",
    "第六種事業 不動産業",
};

// An empty label for a number outside 0..6.
constexpr std::string_view Label(int category) {
    return category >= kNone && category <= kLast ? kLabels[static_cast<std::size_t>(category)]
                                                  : std::string_view{};
}

}  // namespace BusinessCategories
