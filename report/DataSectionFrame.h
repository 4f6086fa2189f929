// The order both DATA writers follow once DATA is open: the 35 rate groups, then the refund
// statements of corporations and individuals, then the end tag. A figure that has no 64-bit
// form fails the section (the report then asks whether to go on) instead of being written wrong.
#pragma once

#include "aggregate/AmountOverflow.h"
#include "aggregate/EntityKind.h"
#include "core_api/StDATAINFO.h"
#include "report/DataSectionWriter.h"
#include "report/ReportCatalogue.h"
#include "report/ReportFigures.h"

#include <span>
#include <string_view>

// The names of a group, in order.
using GroupNames = std::span<const std::string_view>;

// KANPUK carries figures only under general taxation and never for a corporation.
inline bool IndividualStatementApplies(const StDATAINFO& dataSet, const ReportFigures& figures) {
    return !EntityKind::IsCorporation(dataSet) && figures.taxMethod == TaxMethod::General;
}

// A refund statement's group: every value empty when it does not apply, else opened, its
// values written by fill(names) and closed.
template <typename Fill>
void WriteStatementGroup(DataSectionWriter& data, const DataGroup& group, bool applies, Fill fill) {
    if (!applies) {
        data.WriteEmptyGroup(group);
        return;
    }
    data.OpenGroup(group);
    fill(ReportCatalogue::Names(group));
    data.CloseGroup();
}

template <typename Section>
bool WriteDataGroups(DataSectionWriter& data, Section& section) {
    try {
        for (std::size_t i = 0; i < ReportCatalogue::kRateGroupCount; ++i) {
            section.WriteRateGroup(ReportCatalogue::kDataGroups[i]);
        }
    } catch (const AmountOverflow&) {
        return false;
    }
    section.WriteCorporateRefund();
    section.WriteIndividualRefund();
    data.CloseData();
    return data.Succeeded();
}
