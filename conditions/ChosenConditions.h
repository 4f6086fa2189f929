// What the conditions dialog hands the run when Execute ends it, and what a finished run
// remembers of it in the settings file.
#pragma once

#include "conditions/SettingsEntry.h"

#include <cstdint>
#include <string>

enum class AggregationMethod : int { JournalAggregation = 0, SavedReturn = 1 };

struct ChosenConditions {
    AggregationMethod method = AggregationMethod::JournalAggregation;
    int firstMonth = 0;
    int lastMonth = 0;
    std::string outputPath;      // as the report takes it, cut to the edit's limit
    std::string rememberedPath;  // the path remembered before this run

    // A prescribed output path is not remembered: the path remembered before stays.
    RememberedConditions ToRemember(bool prescribedPath) const {
        RememberedConditions remembered;
        remembered.method = static_cast<long>(method);
        remembered.startMonth = static_cast<std::int16_t>(firstMonth);
        remembered.endMonth = static_cast<std::int16_t>(lastMonth);
        remembered.outputPath = prescribedPath ? rememberedPath : outputPath;
        return remembered;
    }
};
