#pragma once
#include <string>

#include "common/Colour.h"
#include "shell/SettingsFile.h"

namespace morvik {

// The chart options the distribution-function (form 10), parametric (12) and raw-data (14) windows keep:
// read when the window is created, written when it is closed.
struct ChartWindowSettings {
    Colour chartBackground = 0xFFFFFF;
    int CBMarksItemIndex = 2;   // 0 to 4
    int SpinEdAngleValue = 90;  // 0 to 360
    bool operator==(const ChartWindowSettings&) const = default;
};

// Forms other than 10, 12 and 14 keep none: they read the defaults and write nothing.
ChartWindowSettings ReadChartWindowSettings(const SettingsFile& settings, int formNumber);
void WriteChartWindowSettings(SettingsFile& settings, int formNumber, const ChartWindowSettings& chart);

// The Eps and interval-count fields of the parametric (12) and raw-data (14) windows, kept as typed.
struct GenerationFields {
    std::string Eps = "1E-7";
    std::string PocetIntervalu = "128";
    bool operator==(const GenerationFields&) const = default;
};
GenerationFields ReadGenerationFields(const SettingsFile& settings, int formNumber);
void WriteGenerationFields(SettingsFile& settings, int formNumber, const GenerationFields& fields);
// What the "Default values" command puts into those fields.
GenerationFields ResetGenerationFields();

}  // namespace morvik
