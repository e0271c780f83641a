// The colours window (TForm5): its groups and the sixteen colour buttons in both languages.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik  -  Nastavení barev"),
    Caption("GroupBox1", "  Formuláře  "),
    Caption("Button1", "pozadí"),
    Caption("Button2", "texty tabulek"),
    Caption("Button3", "pozadí edit.oken"),
    Caption("Button4", "text edit.oken"),
    Caption("GroupBox2", "  Graf histogramu  "),
    Caption("Button5", "text záhlaví grafu "),
    Caption("Button6", "pozadí grafu"),
    Caption("Button7", "graf histogramu"),
    Caption("Button8", "graf \" Hodnota x) \""),
    Caption("Button9", "graf \" Kvantil Qp \""),
    Caption("GroupBox3", "  Výsledný histogram  "),
    Caption("Button10", "texty na panelu"),
    Caption("Button11", "pozadí ed.okna \"Hodnoty x \""),
    Caption("Button12", "pozadí ed.okna \" Kvantilu Qp \""),
    Caption("GroupBox4", "  Distribuční funkce  "),
    Caption("Button13", "pozadí grafu"),
    Caption("Button14", "graf histogramu"),
    Caption("GroupBox5", "  Parametrické rozdělení,  Prvotní data  "),
    Caption("Button15", "pozadí grafu"),
    Caption("Button16", "graf histogramu"),
};

constexpr CaptionText English[] = {
    Title("  Morvik  -  SetUp colours"),
    Caption("GroupBox1", "  Forms  "),
    Caption("Button1", "background"),
    Caption("Button2", "table text"),
    Caption("Button3", "background of edit windows"),
    Caption("Button4", "text of edit windows"),
    Caption("GroupBox2", "  Graph of histogram  "),
    Caption("Button5", "text of graph head"),
    Caption("Button6", "background of graph"),
    Caption("Button7", "graph of histogram"),
    Caption("Button8", "graph \" x value\""),
    Caption("Button9", "graph \" Fractile P(x) \""),
    Caption("GroupBox3", "  Final histogram  "),
    Caption("Button10", "text on panel"),
    Caption("Button11", "background of x edit box"),
    Caption("Button12", "background of fractile edit box"),
    Caption("GroupBox4", "  Distribution function  "),
    Caption("Button13", "background of graph"),
    Caption("Button14", "graph of histogram"),
    Caption("GroupBox5", "  Parametric distribution,  Raw Data  "),
    Caption("Button15", "background of graph"),
    Caption("Button16", "graph of histogram"),
};

}  // namespace

std::span<const CaptionText> ColoursCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
