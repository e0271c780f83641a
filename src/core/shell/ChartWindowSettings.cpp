#include "shell/ChartWindowSettings.h"

#include "shell/WindowPlacement.h"

namespace morvik {
namespace {

// The key prefix of a window and the name its chart colour is kept under.
struct ChartKeys {
    const char* prefix;
    const char* colourName;
};

const ChartKeys* ChartKeysOf(int formNumber)
{
    static const ChartKeys distribution{"KrivkaTrvani-Form10", "GRAF pozadí KTZ"};
    static const ChartKeys parametric{"ParamRozdel-Form12", "GRAF pozadí PR"};
    static const ChartKeys rawData{"PrvotniData-Form14", "GRAF pozadí PR"};
    switch (formNumber) {
    case 10: return &distribution;
    case 12: return &parametric;
    case 14: return &rawData;
    default: return nullptr;
    }
}

const char* GenerationPrefixOf(int formNumber)
{
    return formNumber == 12 ? "ParamRozdel-Form12" : formNumber == 14 ? "PrvotniData-Form14" : nullptr;
}

std::string ColourKey(const ChartKeys& keys) { return std::string(keys.prefix) + ".Color- " + keys.colourName; }
std::string MarksKey(const ChartKeys& keys) { return std::string(keys.prefix) + ".CBMarks.ItemIndex"; }
std::string AngleKey(const ChartKeys& keys) { return std::string(keys.prefix) + ".SpinEdAngle.Value"; }

}  // namespace

ChartWindowSettings ReadChartWindowSettings(const SettingsFile& settings, int formNumber)
{
    ChartWindowSettings chart;
    const ChartKeys* keys = ChartKeysOf(formNumber);
    if (!keys) return chart;
    chart.chartBackground = settings.ReadColour(SettingSection, ColourKey(*keys), chart.chartBackground);
    const int marks = settings.ReadInteger(SettingSection, MarksKey(*keys), chart.CBMarksItemIndex);
    if (marks >= 0 && marks <= 4) chart.CBMarksItemIndex = marks;
    const int angle = settings.ReadInteger(SettingSection, AngleKey(*keys), chart.SpinEdAngleValue);
    if (angle >= 0 && angle <= 360) chart.SpinEdAngleValue = angle;
    return chart;
}

void WriteChartWindowSettings(SettingsFile& settings, int formNumber, const ChartWindowSettings& chart)
{
    const ChartKeys* keys = ChartKeysOf(formNumber);
    if (!keys) return;
    settings.WriteColour(SettingSection, ColourKey(*keys), chart.chartBackground);
    settings.WriteInteger(SettingSection, MarksKey(*keys), chart.CBMarksItemIndex);
    settings.WriteInteger(SettingSection, AngleKey(*keys), chart.SpinEdAngleValue);
}

GenerationFields ReadGenerationFields(const SettingsFile& settings, int formNumber)
{
    GenerationFields fields;
    const char* prefix = GenerationPrefixOf(formNumber);
    if (!prefix) return fields;
    fields.Eps = settings.ReadString(PositionSection, std::string(prefix) + ".Eps", fields.Eps);
    fields.PocetIntervalu =
        settings.ReadString(PositionSection, std::string(prefix) + ".PocetIntervalu", fields.PocetIntervalu);
    return fields;
}

void WriteGenerationFields(SettingsFile& settings, int formNumber, const GenerationFields& fields)
{
    const char* prefix = GenerationPrefixOf(formNumber);
    if (!prefix) return;
    settings.WriteString(PositionSection, std::string(prefix) + ".Eps", fields.Eps);
    settings.WriteString(PositionSection, std::string(prefix) + ".PocetIntervalu", fields.PocetIntervalu);
}

GenerationFields ResetGenerationFields() { return {"0.0000001", "128"}; }

}  // namespace morvik
