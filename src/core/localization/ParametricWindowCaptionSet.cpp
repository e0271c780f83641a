// The caption set of the parametric distribution window (TForm12) in both languages.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText Czech[] = {
    Title("  Morvik :   Parametrické rozdělení"),
    Caption("GBTypRozd", "  Rozdělení  "),
    Item("CBTypRozdeleni", 0, "Normální"),
    Item("CBTypRozdeleni", 12, "Studentovo"),
    Item("CBTypRozdeleni", 13, "Beta_v_nule"),
    Item("CBTypRozdeleni", 14, "Beta_obecné"),
    Item("CBTypRozdeleni", 20, "Exponenciální"),
    Caption("GBParametry", "Param.frekvenční funkce : F (x|?,?)"),
    Caption("Label4", "Intervalů"),
    Caption("Label6", "Eps pro P(Xmin) "),
    Caption("Label11", "Typ"),
    Caption("CheckBox1", "Popisky dat"),
    Caption("Label1", "Úhel natočení"),
    Caption("Label2", "     popisků"),
    Hint("VypocetParaRoz", "Výpočet | Vypočte histogram zvoleného parametrického rozdělení"),
    Hint("BitBtn1", "Zavřít | Zavře okno a předá histogram hlavnímu oknu"),
    Hint("GBTypRozd", "Rozdělení | Počet intervalů, Eps a rozsah histogramu"),
    Hint("GBParametry", "Parametry | Parametry zvoleného rozdělení"),
    Hint("EdPocetIntervalu", "Počet intervalů | Počet intervalů histogramu (3 až 1024)"),
    Hint("EdEps", "Eps | Poměr hustoty na okrajích rozsahu k její největší hodnotě (1E-8 až 1)"),
    Hint("CBTypRozdeleni", "Typ rozdělení | Volba jednoho z 24 parametrických rozdělení"),
    Hint("EdPara1", "1. parametr | První parametr rozdělení"),
    Hint("EdPara2", "2. parametr | Druhý parametr rozdělení"),
    Hint("EdPara3", "3. parametr | Třetí parametr rozdělení"),
    Hint("EdPara4", "4. parametr | Čtvrtý parametr rozdělení"),
    Hint("EdMin", "Min | Dolní mez rozsahu histogramu; lze ji změnit"),
    Hint("EdMax", "Max | Horní mez rozsahu histogramu; lze ji změnit"),
    Hint("Chart1L", "Graf | Graf parametrického histogramu"),
    Hint("SpeedPanel", "Panel nástrojů | Výpočet, typ histogramu, charakteristiky a uložení grafu"),
    Hint("SpeedButton1", "Uložit okno | Uloží obraz okna do schránky"),
    Hint("UlozGraf", "Uložit graf | Uloží graf do schránky nebo do souboru"),
    Hint("ChB_TypHist", "Pure Discrete | Pravděpodobnosti patří jednotlivým hodnotám, ne intervalům"),
    Hint("StringGrid1", "Charakteristiky | Xmin, Xmax, medián a modus histogramu; klik vysvětlí"),
    Hint("StringGrid2", "Tabulka intervalů | Intervaly, hodnoty x a pravděpodobnosti P(x)"),
    Caption("BCopy", "Do schránky"),
    Caption("BAllBars", "Celý graf"),
};

constexpr CaptionText English[] = {
    Title("  Morvik :   Parametric distribution"),
    Caption("GBTypRozd", "  Distribution  "),
    Item("CBTypRozdeleni", 0, "Normal"),
    Item("CBTypRozdeleni", 12, "Students"),
    Item("CBTypRozdeleni", 13, "Beta_in_zero"),
    Item("CBTypRozdeleni", 14, "Beta_universal"),
    Item("CBTypRozdeleni", 20, "Exponencials"),
    Caption("GBParametry", "Param. of frequncy function:  F(x|?,?)"),
    Caption("Label4", "Intervals"),
    Caption("Label6", "Eps for P(Xmin) "),
    Caption("Label11", "Type"),
    Caption("CheckBox1", "Marks of data"),
    Caption("Label1", "Angle of marks"),
    Caption("Label2", "     rotation"),
    Hint("VypocetParaRoz", "Compute | Computes the histogram of the chosen parametric distribution"),
    Hint("BitBtn1", "Close | Closes the window and hands the histogram to the main window"),
    Hint("GBTypRozd", "Distribution | Number of intervals, Eps and range of the histogram"),
    Hint("GBParametry", "Parameters | Parameters of the chosen distribution"),
    Hint("EdPocetIntervalu", "Number of intervals | Number of intervals of the histogram (3 to 1024)"),
    Hint("EdEps", "Eps | Ratio of the density at the range ends to its largest value (1E-8 to 1)"),
    Hint("CBTypRozdeleni", "Type of distribution | Choice of one of the 24 parametric distributions"),
    Hint("EdPara1", "1st parameter | First parameter of the distribution"),
    Hint("EdPara2", "2nd parameter | Second parameter of the distribution"),
    Hint("EdPara3", "3rd parameter | Third parameter of the distribution"),
    Hint("EdPara4", "4th parameter | Fourth parameter of the distribution"),
    Hint("EdMin", "Min | Lower end of the histogram range; may be changed"),
    Hint("EdMax", "Max | Upper end of the histogram range; may be changed"),
    Hint("Chart1L", "Graph | Graph of the parametric histogram"),
    Hint("SpeedPanel", "Tool panel | Compute, histogram type, characteristics and saving the graph"),
    Hint("SpeedButton1", "Save window | Puts a picture of the window on the clipboard"),
    Hint("UlozGraf", "Save graph | Saves the graph to the clipboard or to a file"),
    Hint("ChB_TypHist", "Pure Discrete | The probabilities belong to single values, not to intervals"),
    Hint("StringGrid1", "Characteristics | Xmin, Xmax, median and mode of the histogram; a click explains them"),
    Hint("StringGrid2", "Interval table | Intervals, values x and probabilities P(x)"),
    Caption("BCopy", "To clipboard"),
    Caption("BAllBars", "Whole chart"),
};

}  // namespace

std::span<const CaptionText> ParametricWindowCaptionSet(Language language)
{
    if (language == Language::Czech) return Czech;
    return English;
}

}  // namespace morvik
