// The caption set of the raw-data window (TForm14) in both languages.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik :   Prvotní data"),
    Cell("StringGrid3", 0, 0, "Počet dat"),
    Cell("StringGrid3", 0, 1, "Střední hodnota"),
    Cell("StringGrid3", 0, 2, "Směr.odchylka"),
    Cell("StringGrid3", 0, 3, "Šikmost"),
    Cell("StringGrid4", 0, 0, "Těsnost"),
    Cell("StringGrid5", 0, 0, "Počet dat"),
    Cell("StringGrid6", 0, 0, "Střední hodnota"),
    Cell("StringGrid6", 0, 1, "Směr.odchylka"),
    Cell("StringGrid6", 0, 2, "Šikmost"),
    Caption("GroupBox2", "  Datový soubor  "),
    Caption("GroupBox5", "  Prvotní data  "),
    Caption("GroupBox6", " Parametrický histogram "),
    Caption("Label1", "Název souboru"),
    Caption("Label11", "Typ ( podle těsnosti )"),
    Caption("Label4", "Intervalů"),
    Caption("Button2", "NeParam"),
    Caption("CheckBox1", "Popisky dat"),
    Caption("Label3", "Úhel natočení"),
    Caption("Label2", "     popisků"),
    Hint("OpenData", "Otevřít dat.soubor | Otevře datový soubor naměřených hodnot a vytvoří parametrický histogram"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :   Raw data"),
    Cell("StringGrid3", 0, 0, "Number of values"),
    Cell("StringGrid3", 0, 1, "Average"),
    Cell("StringGrid3", 0, 2, "Stand.deviation"),
    Cell("StringGrid3", 0, 3, "Skewness"),
    Cell("StringGrid4", 0, 0, "Closeness"),
    Cell("StringGrid5", 0, 0, "Number of values"),
    Cell("StringGrid6", 0, 0, "Average"),
    Cell("StringGrid6", 0, 1, "Stand.deviation"),
    Cell("StringGrid6", 0, 2, "Skewness"),
    Caption("GroupBox2", "  Data file  "),
    Caption("GroupBox5", "  Raw data  "),
    Caption("GroupBox6", " Parametric histogram "),
    Caption("Label1", "Data file name"),
    Caption("Label11", "Type (according to closeness)"),
    Caption("Label4", "Intervals"),
    Caption("Button2", "NotParam"),
    Caption("CheckBox1", "Marks of data"),
    Caption("Label3", "Angle of marks"),
    Caption("Label2", "     rotation"),
    Hint("OpenData", "Open data file | Opens a data file of measured values and makes a parametric histogram"),
};

}  // namespace

std::span<const CaptionText> RawDataWindowCaptionSet(Language language)
{
    if (language == Language::English) return English;
    return Czech;
}

}  // namespace morvik
