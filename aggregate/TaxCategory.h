// The tax categories that the accounting core stores, one byte, on each side of a journal
// line. The aggregation works on the codes; the names are the vocabulary shown to people.
#pragma once

#include <array>
#include <string_view>

enum class TaxCategoryGroup : int { Sales = 1, Purchases = 2, BadDebts = 3, Other = 4 };

struct TaxCategory {
    int code;
    std::string_view name;  // CP932
    TaxCategoryGroup group;
    bool taxed;  // the category carries consumption tax
};

namespace TaxCategories {

using enum TaxCategoryGroup;

// In catalogue order, which is not the order of the codes.
inline constexpr std::array<TaxCategory, 39> kAll = {{
    {11, "課税売上", Sales, true},
    {30, "有価証券", Sales, false},
    {14, "免税売上", Sales, false},
    {13, "非課売上", Sales, false},
    {19, "非課資産", Sales, false},
    {15, "課売返還", Sales, true},
    {16, "非課売返", Sales, false},
    {17, "免売返還", Sales, false},
    {21, "課売仕入", Purchases, true},
    {22, "非売仕入", Purchases, true},
    {23, "共課仕入", Purchases, true},
    {31, "輸課売仕", Purchases, true},
    {32, "輸非売仕", Purchases, true},
    {33, "輸共売仕", Purchases, true},
    {51, "輸課仕本", Purchases, true},
    {52, "輸非仕本", Purchases, true},
    {53, "輸共仕本", Purchases, true},
    {61, "輸課仕国", Purchases, true},
    {62, "輸非仕国", Purchases, true},
    {63, "輸共仕国", Purchases, true},
    {64, "輸入仕地", Purchases, true},
    {24, "非課仕入", Purchases, false},
    {25, "課売仕返", Purchases, true},
    {26, "非課仕返", Purchases, true},
    {27, "共課仕返", Purchases, true},
    {35, "課輸仕返", Purchases, true},
    {36, "非輸仕返", Purchases, true},
    {37, "共輸仕返", Purchases, true},
    {55, "課輸返本", Purchases, true},
    {56, "非輸返本", Purchases, true},
    {57, "共輸返本", Purchases, true},
    {65, "課輸返国", Purchases, true},
    {66, "非輸返国", Purchases, true},
    {67, "共輸返国", Purchases, true},
    {68, "仕輸返地", Purchases, true},
    {41, "貸倒損失", BadDebts, true},
    {42, "貸倒回収", BadDebts, true},
    {99, "未確定", Other, false},
    {0, "対象外", Other, false},
}};

// nullptr for a code outside the catalogue.
constexpr const TaxCategory* Find(int code) {
    for (const TaxCategory& category : kAll) {
        if (category.code == code) return &category;
    }
    return nullptr;
}

}  // namespace TaxCategories

// False exactly for the domestic taxable purchases and their returns (21 to 29 except 24);
// imports whose parts are not yet split (31-33, 35-37) count as not taxable purchases.
constexpr bool NotTaxablePurchaseCategory(int code) {
    return code < 21 || code == 24 || code >= 30;
}
