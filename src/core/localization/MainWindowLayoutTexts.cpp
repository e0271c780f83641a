// The main window's captions that its caption set does not carry.
#include "localization/CaptionSets.h"
#include "localization/MainWindowTexts.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Caption("Novyhistogram1", "&Nový histogram"),
    Caption("Ulozit3", "&Histogram ..."),
    Caption("index1", "&index f(z)"),
    Caption("NonIndex", "&value f(z)"),
    Caption("SouborWord", "&Word (*.doc)"),
    Caption("DateSeparator1", "Oddělovač &data"),
    Caption("TimeSeparator1", "Oddělovač č&asu"),
    Caption("TCharCom", "Panel nástrojů &grafu"),
    Caption("HTML1", "Nápověda v &prohlížeči"),
    Caption("WIN1", "Nápověda v &okně"),
    Caption("BChar", "Char"),
    Caption("AbsHodHist", "absH"),
    Caption("BCopy", "Do schránky"),
    Caption("BAllBars", "Celý graf"),
};

constexpr CaptionText English[] = {
    Caption("Novyhistogram1", "&New histogram"),
    Caption("Ulozit3", "&Histogram ..."),
    Caption("index1", "&index f(z)"),
    Caption("NonIndex", "&value f(z)"),
    Caption("SouborWord", "&Word (*.doc)"),
    Caption("DateSeparator1", "&Date separator"),
    Caption("TimeSeparator1", "&Time separator"),
    Caption("TCharCom", "Chart &toolbar"),
    Caption("HTML1", "Help in the &browser"),
    Caption("WIN1", "Help in a &window"),
    Caption("BChar", "Char"),
    Caption("AbsHodHist", "absH"),
    Caption("BCopy", "To clipboard"),
    Caption("BAllBars", "Whole chart"),
};

}  // namespace

std::span<const CaptionText> MainWindowLayoutCaptions(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
