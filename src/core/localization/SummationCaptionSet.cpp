// The summation table's caption set (TForm7) in both languages.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik :  Tabulka histogramů pro sumární histogram"),
    Cell("StrGrSumaProm", 8, 0, " Váha"),
    Cell("StrGrSumaProm", 1, 0, "Násobek"),
    Cell("StrGrSumaProm", 5, 0, "Intervalů"),
    Cell("StrGrSumaProm", 6, 0, "Adresa"),
    Cell("StrGrSumaProm", 7, 0, "Poznámka"),
    Caption("Label16", "Max.intervalů :"),
    Caption("OtevriSum", "&Otevřít tabulku"),
    Caption("SaveSuma", "&Uložit tabulku"),
    Caption("DelRow", "&Výmaz řádku"),
    Caption("VypocetSuma", "Vý&počet"),
    Caption("ExitForm7", "&Konec"),
    Hint("OtevriSum", "Otevřít tabulku | Načte tabulku histogramů ze souboru <.sum>"),
    Hint("VypocetSuma", "Výpočet | Vypočte sumární histogram z histogramů tabulky"),
    Hint("SaveSuma", "Uložit tabulku | Uloží tabulku histogramů do souboru <.sum>"),
    Hint("ExitForm7", "Konec | Zavře okno; vypočtený histogram převezme hlavní okno"),
    Hint("StrGrSumaProm",
         "Tabulka histogramů | Násobek, poznámku a váhu lze psát; histogram se vybere "
         "kliknutím do sloupce Histogram"),
    Hint("DelRow", "Výmaz řádku | Vymaže vybraný řádek tabulky"),
    Hint("GrafHistSuma", "Graf | Zobrazí histogram řádku"),
    Hint("OtevHistSuma", "Otevřít histogram | Načte do řádku histogram ze souboru <.dis>"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :  Summation histogram table"),
    Cell("StrGrSumaProm", 8, 0, " Weight"),
    Cell("StrGrSumaProm", 1, 0, "Multiple"),
    Cell("StrGrSumaProm", 5, 0, " Intervals"),
    Cell("StrGrSumaProm", 6, 0, "   File address"),
    Cell("StrGrSumaProm", 7, 0, "   Note"),
    Caption("Label16", "Max. of intervals :"),
    Caption("OtevriSum", "&Open table"),
    Caption("SaveSuma", "&Save table"),
    Caption("DelRow", "&Delete row"),
    Caption("VypocetSuma", "&Compute"),
    Caption("ExitForm7", "E&xit"),
    Hint("OtevriSum", "Open table | Reads a table of histograms from a file <.sum>"),
    Hint("VypocetSuma", "Compute | Computes the summation histogram of the table's histograms"),
    Hint("SaveSuma", "Save table | Saves the table of histograms to a file <.sum>"),
    Hint("ExitForm7", "Exit | Closes the window; the main window takes over a computed histogram"),
    Hint("StrGrSumaProm",
         "Table of histograms | Multiple, note and weight can be typed; a click into the "
         "column Histogram chooses a histogram"),
    Hint("DelRow", "Delete row | Erases the selected row of the table"),
    Hint("GrafHistSuma", "Graph | Shows the histogram of the row"),
    Hint("OtevHistSuma", "Open histogram | Reads a histogram from a file <.dis> into the row"),
};

}  // namespace

std::span<const CaptionText> SummationCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
