#pragma once
#include <string>

#include "common/Colour.h"
#include "localization/TextCis.h"
#include "shell/SettingsFile.h"
#include "shell/WindowPlacement.h"

namespace morvik {

// The colours the main window keeps in the settings file, each with its default.
struct MainWindowColours {
    Colour windowBackground = ButtonFaceColour;     // "FORM1 pozadi": TForm1 and the windows that copy it
    Colour toolPanel = ButtonFaceColour;            // "panel nastroju": Panel1
    Colour statusBar = 0xFFFFFF;                    // "status bar": StatusBar1
    Colour inputPanel = ButtonFaceColour;           // "PANEL Vstupniho histogramu": GroupBox1
    Colour inputPanelCaption = 0xFF0000;            // "text zahlavi 1": caption font of GroupBox1
    Colour panelText = 0x000000;                    // "texty na panelu 1": Label5, then Label6, Label19,
                                                    // Label1 and StringGrid2 to StringGrid6
    Colour multipleBackground = 0xFFFFFF;           // "edit.okno Nasobek A": Edit3
    Colour multipleText = 0x000000;                 // "text Nasobek A": font of Edit3
    Colour chartBackground = 0xFFFFFF;              // "GRAF pozadi": Chart1
    Colour bars = 0x00FFFF;                         // "histogram": bars of the main and row graph windows
    Colour distributionBars = 0xC0DCC0;             // "Histogram KTZ": bars of the distribution function
    Colour parametricBars = 0xF0CAA6;               // "Histogram PR": bars of the parametric and raw data
    Colour valueQuery = 0x0000FF;                   // "hodnota x": EditXY font and the value marker
    Colour quantileQuery = 0xFF0000;                // "velikost kvantilu P": EditP font and its marker
    Colour chartTitle = 0xFF0000;                   // "text nadpisu)": chart titles
    Colour resultPanel = ButtonFaceColour;          // "PANEL vysledneho histogramu": GroupBox2
    Colour resultPanelCaption = 0xFF0000;           // "text zahlavi 2": caption font of GroupBox2
    Colour queryLabels = 0x000000;                  // "texty na panelu 2": Label13, then Label14
    Colour valueBackground = 0xFFFFFF;              // "edit.okno Hodnota x": EditXY
    Colour quantileBackground = 0xFFFFFF;           // "edit.okno Velikost kvantilu P": EditP
    Colour distributionChartBackground = 0xFFFFFF;  // "GRAF pozadí KTZ": the chart of TForm10
    Colour parametricChartBackground = 0xFFFFFF;    // "GRAF pozadí PR": the chart of TForm12
    bool operator==(const MainWindowColours&) const = default;
};

enum class HelpForm { WebPage, HelpViewer };  // the menu items HTML1 and WIN1

// Everything the main window keeps in the settings file except the ReOpen stack (ReOpenStack.h). The pairs of
// exclusive menu items are held as one value each and written back as both items' checked states.
struct MainWindowSettings {
    WindowPlacement placement{0, 0, 700, 496};
    bool TCharCom = true;      // the chart toolbar is shown
    bool KontVypis = false;    // the control listing while a file is read
    bool PrikazRadka1 = true;  // the status bar is shown
    HelpForm help = HelpForm::WebPage;
    bool index1 = false;                    // bottom-axis labels are interval indices (NonIndex: values)
    Language language = Language::English;  // Cestina / Anglictina
    bool colourHighlight = true;            // Ano1 / Ne1: coloured rows in the interval tables
    int CBMarksItemIndex = 2;               // the bar-label style, 0 to 4
    int SpinEdAngleValue = 90;              // the label angle, 0 to 360
    char DateSeparator = '.';               // ".", "-" or "/"
    char TimeSeparator = ':';               // ":" or "."
    MainWindowColours colours;
    bool operator==(const MainWindowSettings&) const = default;
};

// Reads the main window's keys; every missing or damaged value takes its default.
MainWindowSettings ReadMainWindowSettings(const SettingsFile& settings);
// Writes the keys the main window writes at program end (the ReOpen stack is written by WriteReOpenStack).
void WriteMainWindowSettings(SettingsFile& settings, const MainWindowSettings& main);

// The "Default values" command (DefaultNast1) as far as the main window's settings go: the reset position and
// size, the control listing off, the status bar on, label style 2 at 90 degrees, English, coloured rows, the
// default colours and separators. The chart toolbar, the axis-label mode and the help form stay.
void ApplyDefaultValues(MainWindowSettings& main);

// The date and time formats that follow from the separators: "d.m.yyyy" and "hh:mm:ss" by default.
std::string ShortDateFormat(char dateSeparator);
std::string LongTimeFormat(char timeSeparator);

// The last saved files, written only: the histogram file (Ulozit3) and the results file (Ulozit2).
void WriteLastSavedHistogram(SettingsFile& settings, const std::string& path);
void WriteLastSavedResults(SettingsFile& settings, const std::string& path);

}  // namespace morvik
