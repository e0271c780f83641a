// The caption set of the new-histogram editor (TForm18) in both languages.
#include "localization/TableCaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik :  Popis nového histogramu"),
    Caption("Label1", "Název histogramu"),
    Caption("Label4", "Suma četností"),
    Caption("Label5", "Četnosti histogramu"),
    Caption("Label6", "Typ"),
    Caption("Label7", "Počet dat"),
    Hint("Edit1", "Min | Nejmenší hodnota (Discrete: dolní okraj prvního intervalu)"),
    Hint("Edit2", "Max | Horní okraj posledního intervalu"),
    Hint("Edit3", "Počet dat | Počet řádků četností"),
    Hint("Edit4", "Název histogramu | Jméno souboru bez přípony; mezery se vypustí"),
    Hint("Edit5", "Suma četností | Součet zadaných četností"),
    Hint("Edit6", "Řádek | Číslo řádku četností, na který bylo kliknuto (od 0)"),
    Hint("BitBtn1", "Zrušit | Zavře okno bez uložení"),
    Hint("BitBtn2", "Uložit | Uloží histogram do souboru a zobrazí jej v hlavním okně"),
    Hint("Memo1", "Četnosti | Jedno celé číslo na řádek, první interval nahoře"),
    Hint("ComboBox1", "Typ | Discrete nebo Pure Discrete"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :  Description of new histogram"),
    Caption("Label1", "Name of histogram"),
    Caption("Label4", "Frequency summation"),
    Caption("Label5", "Frequency of histogram"),
    Caption("Label6", "Type"),
    Caption("Label7", "Number of Bins"),
    Hint("Edit1", "Min | The least value (Discrete: the lower edge of the first interval)"),
    Hint("Edit2", "Max | The upper edge of the last interval"),
    Hint("Edit3", "Number of bins | The number of frequency lines"),
    Hint("Edit4", "Name of histogram | The file name without extension; blanks are removed"),
    Hint("Edit5", "Frequency summation | The sum of the frequencies typed"),
    Hint("Edit6", "Line | The number of the frequency line clicked (from 0)"),
    Hint("BitBtn1", "Cancel | Closes the window without saving"),
    Hint("BitBtn2", "Save | Saves the histogram to a file and shows it in the main window"),
    Hint("Memo1", "Frequencies | One whole number a line, the first interval at the top"),
    Hint("ComboBox1", "Type | Discrete or Pure Discrete"),
};

}  // namespace

std::span<const CaptionText> HistogramEditorCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
