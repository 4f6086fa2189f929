#include "report/BasicSection.h"

#include "aggregate/EntityKind.h"
#include "report/CompanyName.h"
#include "report/ReportSection.h"
#include "report/TransitionalRateFigures.h"

#include <algorithm>

namespace {

using ReportSection::OneIf;

// Positions of the values, in document order.
enum : std::size_t {
    kCompanyName,
    kYearFirst,
    kYearLast,
    kEntity,
    kTaxation,
    kTransitionalAssets,
    kSalesTaxComputation,
    kPurchaseTaxComputation,
};
static_assert(kPurchaseTaxComputation + 1 == ReportCatalogue::kBasicCount);

// Other entity codes are the core's own and leave the element empty.
std::string EntityText(const StDATAINFO& dataSet) {
    if (EntityKind::IsCorporation(dataSet)) return "1";
    if (EntityKind::IsIndividual(dataSet)) return "2";
    return {};
}

// The record's text ends at its NUL or, when it fills the field, at the field's end.
std::string CompanyNameOf(const StDATAINFO& dataSet) {
    const char* name = dataSet.companyName;
    return ConvertCompanyName(std::string_view(name, std::find(name, name + sizeof dataSet.companyName, '\0')));
}

}  // namespace

BasicValues ComposeBasicValues(const StDATAINFO& dataSet, const ReportFigures& figures, ReportMethod method) {
    const bool general = figures.taxMethod == TaxMethod::General;
    BasicValues values;
    values[kCompanyName] = CompanyNameOf(dataSet);
    values[kEntity] = EntityText(dataSet);
    values[kTaxation] = OneIf(general);
    if (method == ReportMethod::Journal) {
        values[kYearFirst] = std::to_string(dataSet.periodFirst);
        values[kYearLast] = std::to_string(dataSet.periodLast);
        values[kTransitionalAssets] = OneIf(HoldsTransitionalRateFigures(figures.rates, figures.businessTypes));
        values[kSalesTaxComputation] = "1";
        values[kPurchaseTaxComputation] = general ? "1" : "";
    } else {
        const StSaveTaxInfo& saved = figures.SavedReturn();
        values[kYearFirst] = std::to_string(saved.periodFirst);
        values[kYearLast] = std::to_string(saved.periodLast);
        values[kTransitionalAssets] = OneIf(saved.transitionalAssets != 0);
        // A non-zero computation byte (the tax accumulated line by line) is written as "2".
        values[kSalesTaxComputation] = OneIf(saved.salesCalcMethod == 0);
        values[kPurchaseTaxComputation] = general ? OneIf(saved.purchaseCalcMethod == 0) : "";
    }
    return values;
}

bool WriteBasicSection(XmlReportWriter& writer, const StDATAINFO& dataSet, const ReportFigures& figures,
                       ReportMethod method) {
    using ReportSection::kSectionDepth;
    const BasicValues values = ComposeBasicValues(dataSet, figures, method);
    if (!writer.OpenElement(ReportCatalogue::kBasic, kSectionDepth)) return false;
    for (std::size_t at = 0; at < values.size(); ++at) {
        if (!ReportSection::WriteValue(writer, ReportCatalogue::kBasicFirst + at, values[at])) return false;
    }
    return writer.CloseElement(ReportCatalogue::kBasic, kSectionDepth);
}
