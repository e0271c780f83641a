// The combination table's caption set (TForm8) in both languages. Its label, the hints of the row buttons and
// the headings it shares with the summation table are taken from the summation table's set.
#include <vector>

#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik :  Tabulka histogramů pro kombinaci"),
    Caption("OtevriKomb", "&Otevřít tabulku"),
    Caption("SaveKomb", "&Uložit tabulku"),
    Caption("DelRow", "&Výmaz řádku"),
    Caption("VypocetKomb", "Vý&počet"),
    Caption("ExitForm", "&Konec"),
    Hint("OtevriKomb", "Otevřít tabulku | Načte tabulku histogramů ze souboru <.kom>"),
    Hint("VypocetKomb", "Výpočet | Vypočte histogram kombinace histogramů tabulky"),
    Hint("SaveKomb", "Uložit tabulku | Uloží tabulku histogramů do souboru <.kom>"),
    Hint("ExitForm", "Konec | Zavře okno; vypočtený histogram převezme hlavní okno"),
    Hint("StrGrKombProm",
         "Tabulka histogramů | Násobek a poznámku lze psát; histogram se vybere kliknutím do "
         "sloupce Histogram"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :  Table of histograms for combinations"),
    Caption("OtevriKomb", "&Open table"),
    Caption("SaveKomb", "&Save table"),
    Caption("DelRow", "&Delete row"),
    Caption("VypocetKomb", "&Compute"),
    Caption("ExitForm", "E&xit"),
    Hint("OtevriKomb", "Open table | Reads a table of histograms from a file <.kom>"),
    Hint("VypocetKomb", "Compute | Computes the histogram of the combination of the table's histograms"),
    Hint("SaveKomb", "Save table | Saves the table of histograms to a file <.kom>"),
    Hint("ExitForm", "Exit | Closes the window; the main window takes over a computed histogram"),
    Hint("StrGrKombProm",
         "Table of histograms | Multiple and note can be typed; a click into the column "
         "Histogram chooses a histogram"),
};

std::vector<CaptionText> WithSummationTexts(std::span<const CaptionText> own, Language language)
{
    std::vector<CaptionText> set(own.begin(), own.end());
    const auto summation = SummationCaptionSet(language);
    auto take = [&](std::optional<std::string_view> text, CaptionText entry) {
        if (!text) return;
        entry.text = *text;
        set.push_back(entry);
    };
    take(FindCaption(summation, "Label16"), {"Label16", CaptionKind::Caption, 0, 0, {}});
    take(FindHint(summation, "DelRow"), {"DelRow", CaptionKind::Hint, 0, 0, {}});
    take(FindHint(summation, "GrafHistSuma"), {"GrafHistKomb", CaptionKind::Hint, 0, 0, {}});
    take(FindHint(summation, "OtevHistSuma"), {"OtevHistKomb", CaptionKind::Hint, 0, 0, {}});
    for (int column : {1, 2, 5, 6, 7}) {
        take(FindCell(summation, "StrGrSumaProm", column, 0), {"StrGrKombProm", CaptionKind::Cell, column, 0, {}});
    }
    return set;
}

}  // namespace

std::span<const CaptionText> CombinationCaptionSet(Language language)
{
    static const std::vector<CaptionText> czech = WithSummationTexts(Czech, Language::Czech);
    static const std::vector<CaptionText> english = WithSummationTexts(English, Language::English);
    return language == Language::Czech ? czech : english;
}

}  // namespace morvik
