// The order both DATA writers follow once DATA is open: the 35 rate groups, then the refund
// statements of corporations and individuals, then the end tag. A figure that has no 64-bit
// form fails the section (the report then asks whether to go on) instead of being written wrong.
#pragma once

#include "aggregate/AmountOverflow.h"
#include "report/DataSectionWriter.h"
#include "report/ReportCatalogue.h"

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
