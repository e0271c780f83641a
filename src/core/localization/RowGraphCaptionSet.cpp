// The caption set of the tables' graph window (TForm11) in both languages.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("Morvik : Graf "),
    Cell("StringGrid1", 0, 0, "Min"),
    Cell("StringGrid1", 0, 1, "Max"),
    Cell("StringGrid1", 0, 2, "Počet intervalů"),
    Caption("BCopy", "Do schránky"),
    Caption("BAllBars", "Celý graf"),
    Hint("Chart1", "Graf histogramu | Kliknutí mimo okno graf zavře"),
    Hint("StringGrid2", "Tabulka intervalů | Intervaly, hodnoty x a pravděpodobnosti P(x)"),
    Hint("StringGrid1", "Histogram | Min, Max a počet intervalů"),
};

constexpr CaptionText English[] = {
    Title("  Morvik   :   Graph"),
    Cell("StringGrid1", 0, 0, "Min"),
    Cell("StringGrid1", 0, 1, "Max"),
    Cell("StringGrid1", 0, 2, "Number of intervals"),
    Caption("BCopy", "To clipboard"),
    Caption("BAllBars", "Whole chart"),
    Hint("Chart1", "Graph of histogram | A click outside the window closes the graph"),
    Hint("StringGrid2", "Table of intervals | Intervals, values x and probabilities P(x)"),
    Hint("StringGrid1", "Histogram | Min, Max and number of intervals"),
};

}  // namespace

std::span<const CaptionText> RowGraphCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
