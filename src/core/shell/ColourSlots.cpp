#include "shell/ColourSlots.h"

#include "shell/ChartWindowSettings.h"

namespace morvik {

Colour SlotColour(const MainWindowColours& c, int slot)
{
    switch (slot) {
    case 0: return c.windowBackground;
    case 1: return c.panelText;
    case 2: return c.multipleBackground;
    case 3: return c.multipleText;
    case 4: return c.chartTitle;
    case 5: return c.chartBackground;
    case 6: return c.bars;
    case 7: return c.valueQuery;
    case 8: return c.quantileQuery;
    case 9: return c.queryLabels;
    case 10: return c.valueBackground;
    case 11: return c.quantileBackground;
    case 12: return c.distributionChartBackground;
    case 13: return c.distributionBars;
    case 14: return c.parametricChartBackground;
    case 15: return c.parametricBars;
    default: return 0;
    }
}

void SetSlotColour(MainWindowColours& c, int slot, Colour colour)
{
    switch (slot) {
    case 0:
        // Every window's background: the main window's panels are part of it.
        c.windowBackground = c.toolPanel = c.inputPanel = c.resultPanel = colour;
        break;
    case 1: c.panelText = colour; break;
    case 2: c.multipleBackground = colour; break;
    case 3: c.multipleText = colour; break;
    case 4: c.chartTitle = colour; break;
    case 5: c.chartBackground = colour; break;
    case 6: c.bars = colour; break;
    case 7: c.valueQuery = colour; break;
    case 8: c.quantileQuery = colour; break;
    case 9: c.queryLabels = colour; break;
    case 10: c.valueBackground = colour; break;
    case 11: c.quantileBackground = colour; break;
    case 12: c.distributionChartBackground = colour; break;
    case 13: c.distributionBars = colour; break;
    case 14: c.parametricChartBackground = colour; break;
    case 15: c.parametricBars = colour; break;
    default: break;
    }
}

FormColouredControls ColouredControls(int formNumber)
{
    FormColouredControls controls;
    controls.background = formNumber >= 2 && formNumber <= 19 && formNumber != 16 && formNumber != 17;
    switch (formNumber) {
    case 3:
    case 9:
    case 13: controls.tableTexts = {"StringGrid1"}; break;
    case 6: controls.tableTexts = {"ValueListEditor1"}; break;
    case 7: controls.tableTexts = {"StrGrSumaProm", "Label16"}; break;
    case 8: controls.tableTexts = {"StrGrKombProm", "Label16"}; break;
    case 10:
        controls.tableTexts = {"StringGrid2", "Label1"};
        controls.chartControls = {"CBMarks", "SpinEdAngle"};
        break;
    case 11: controls.tableTexts = {"StringGrid1", "StringGrid2"}; break;
    case 12:
        controls.tableTexts = {"Label1", "Label2", "Label11", "StringGrid1", "StringGrid2"};
        controls.editBackgrounds = {"EdPara1",          "EdPara2", "EdPara3", "EdPara4",
                                    "EdPocetIntervalu", "EdEps",   "EdMin",   "EdMax"};
        controls.editTexts = controls.editBackgrounds;
        controls.chartControls = {"CBMarks", "SpinEdAngle"};
        break;
    case 14:
        controls.tableTexts = {"Label1",      "Label4",      "Label6",      "Label7",      "Label8",  "Label11",
                               "StringGrid1", "StringGrid2", "StringGrid3", "StringGrid6", "MemoDat", "Memo1"};
        controls.editBackgrounds = {"EdPocetIntervalu", "EdMin", "EdMax", "EdEps"};
        controls.editTexts = controls.editBackgrounds;
        controls.chartControls = {"CBMarks", "SpinEdAngle"};
        break;
    case 18:
        controls.tableTexts = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Memo1"};
        controls.editBackgrounds = {"Edit1", "Edit2", "Edit4", "ComboBox1"};
        controls.editTexts = {"Edit1", "Edit2", "ComboBox1"};
        controls.panelTexts = {"Memo1"};
        break;
    case 19:
        controls.tableTexts = {"SGChar", "SGCharPD"};
        controls.editBackgrounds = {"CBTypVyberu"};
        break;
    default: break;
    }
    return controls;
}

std::optional<Colour> FormChartBackground(const MainWindowColours& colours, int formNumber)
{
    switch (formNumber) {
    case 10: return colours.distributionChartBackground;
    case 12:
    case 14: return colours.parametricChartBackground;
    default: return std::nullopt;
    }
}

bool TakeChartWindowColours(const MainWindowColours& colours, int formNumber, MainWindowColours& current,
                            Colour& chartBackground)
{
    const Colour background = FormChartBackground(colours, formNumber).value_or(chartBackground);
    if (current == colours && chartBackground == background) return false;
    current = colours;
    chartBackground = background;
    return true;
}

void ReadChartWindowBackgrounds(const SettingsFile& settings, MainWindowColours& colours)
{
    colours.distributionChartBackground = ReadChartWindowSettings(settings, 10).chartBackground;
    colours.parametricChartBackground = ReadChartWindowSettings(settings, 12).chartBackground;
}

void WriteChartWindowBackgrounds(SettingsFile& settings, const MainWindowColours& colours)
{
    for (const int form : {10, 12, 14}) {
        ChartWindowSettings chart = ReadChartWindowSettings(settings, form);
        chart.chartBackground = *FormChartBackground(colours, form);
        WriteChartWindowSettings(settings, form, chart);
    }
}

}  // namespace morvik
