// The caption set of the distribution-function window (TForm10) in both languages.
#include "localization/TableCaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik   :   Graf distribuční funkce"),
    Item("CBValInd", 1, "Hodnota  x"),
    Hint("Chart1L", "Graf | Distribuční funkce F(x) zobrazeného histogramu"),
    Hint("StringGrid2", "Tabulka | Intervaly, hodnoty x a distribuční funkce F(x)"),
    Hint("ExitBtn", "Zavřít | Zavře okno distribuční funkce"),
    Hint("OtevriWord", "Textový editor | Otevře nový dokument textového editoru"),
    Hint("UlozGraf", "Uložit graf | Uloží graf do schránky nebo do souboru"),
    Hint("SpeedButton1", "Uložit okno | Uloží obraz okna do schránky"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :  Graph Distribution function"),
    Item("CBValInd", 1, "Value  x"),
    Hint("Chart1L", "Graph | Distribution function F(x) of the displayed histogram"),
    Hint("StringGrid2", "Table | Intervals, values x and distribution function F(x)"),
    Hint("ExitBtn", "Close | Closes the distribution function window"),
    Hint("OtevriWord", "Word processor | Opens a new word-processor document"),
    Hint("UlozGraf", "Save graph | Saves the graph to the clipboard or to a file"),
    Hint("SpeedButton1", "Save window | Puts a picture of the window on the clipboard"),
};

}  // namespace

std::span<const CaptionText> DistributionCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
