#include "app/FilingGeneration.h"

// Until the generation table is in, every range belongs to the newest generation.
FilingGeneration ChooseFilingGeneration(std::int32_t /*firstDay*/, std::int32_t /*lastDay*/,
                                        std::uint8_t /*taxMethod*/) {
    return {"TXRP-2004.exe", 1000};
}
