// The caption set of the fit ranking window (TForm19) in both languages. The goodness-of-fit columns and sort
// keys carry the same texts in both.
#include "localization/CaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

#define MORVIK_GOODNESS_TEXTS                                                                           \
    Cell("SGChar", 12, 0, " Kolmogorov-Smirnov D"), Cell("SGChar", 13, 0, " Kolmogorov-Smirnov p"),     \
        Cell("SGChar", 14, 0, " Anderson-Darling A²"), Item("CBTypVyberu", 10, "Kolmogorov-Smirnov D"), \
        Item("CBTypVyberu", 11, "Kolmogorov-Smirnov p"), Item("CBTypVyberu", 12, "Anderson-Darling A²")

constexpr CaptionText Czech[] = {
    Title("  Morvik : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"),
    Item("CBVyber", 0, "Prvotní data"),
    Item("CBVyber", 1, "Histogram prvotních dat"),
    Caption("Label1",
            "Statistické momenty a ostatní charakteristiky histogramu s neparametrickým rozdělením "
            "pravděpodobnosti"),
    Caption("Label2",
            "Statistické momenty a ostatní charakteristiky histogramů s parametrickým rozdělením "
            "pravděpodobnosti"),
    Caption("Label3", "Seřadit podle : "),
    Caption("Label4", "Statistické momenty prvotních dat"),
    Cell("SGCharPD", 1, 0, " Typ"),
    Caption("ChBVymazRadkuTab", "Odstranit ?"),
    Cell("SGCharPDZ", 1, 0, " Střední hodnota"),
    Cell("SGCharPDZ", 2, 0, " Směrodatná odchylka"),
    Cell("SGCharPDZ", 3, 0, " Šikmost"),
    Cell("SGCharPD", 0, 0, " i"),
    Cell("SGCharPD", 2, 0, " Těsnost"),
    Cell("SGCharPD", 3, 0, " Median"),
    Cell("SGCharPD", 4, 0, " Mode"),
    Cell("SGCharPD", 5, 0, " Střední hodnota"),
    Cell("SGCharPD", 6, 0, " Rozptyl"),
    Cell("SGCharPD", 7, 0, " Směrodatná odchylka"),
    Cell("SGCharPD", 8, 0, " Variační koeficient [%]"),
    Cell("SGCharPD", 9, 0, " Šikmost"),
    Cell("SGCharPD", 10, 0, " Špičatost"),
    Item("CBTypVyberu", 1, "Těsnost"),
    Item("CBTypVyberu", 2, "Median"),
    Item("CBTypVyberu", 3, "Mode"),
    Item("CBTypVyberu", 4, "Střední hodnota"),
    Item("CBTypVyberu", 5, "Rozptyl"),
    Item("CBTypVyberu", 6, "Směrodatná odchylka"),
    Item("CBTypVyberu", 7, "Variační koeficient [%]"),
    Item("CBTypVyberu", 8, "Šikmost "),
    Item("CBTypVyberu", 9, "Špičatost "),
    MORVIK_GOODNESS_TEXTS,
};

constexpr CaptionText English[] = {
    Title("  Morvik : Table of applicable histograms with parametric probability distribution"),
    Item("CBVyber", 0, "Raw data"),
    Item("CBVyber", 1, "Histograms of RawData"),
    Caption("Label1",
            "Statistical moments and other characteristics of the histogram with non-parametric "
            "probability distribution"),
    Caption("Label2",
            "Statistical moments and other characteristics of the histograms with parametric "
            "probability distribution"),
    Caption("Label3", "Sort at : "),
    Caption("Label4", "Statistical moments of raw data"),
    Cell("SGCharPD", 1, 0, " Type"),
    Caption("ChBVymazRadkuTab", "Eliminate ?"),
    Cell("SGCharPDZ", 1, 0, " Average"),
    Cell("SGCharPDZ", 2, 0, " Standard deviation"),
    Cell("SGCharPDZ", 3, 0, " Skewness"),
    Cell("SGCharPD", 0, 0, " i"),
    Cell("SGCharPD", 2, 0, " Closeness"),
    Cell("SGCharPD", 3, 0, " Median"),
    Cell("SGCharPD", 4, 0, " Mode"),
    Cell("SGCharPD", 5, 0, " Average"),
    Cell("SGCharPD", 6, 0, " Dispersion"),
    Cell("SGCharPD", 7, 0, " Standard deviation"),
    Cell("SGCharPD", 8, 0, " Variation [%]"),
    Cell("SGCharPD", 9, 0, " Skewness"),
    Cell("SGCharPD", 10, 0, " Kurtosis"),
    Item("CBTypVyberu", 1, "Closeness"),
    Item("CBTypVyberu", 2, "Median"),
    Item("CBTypVyberu", 3, "Mode"),
    Item("CBTypVyberu", 4, "Average"),
    Item("CBTypVyberu", 5, "Dispersion"),
    Item("CBTypVyberu", 6, "Standard deviation"),
    Item("CBTypVyberu", 7, "Variation [%]"),
    Item("CBTypVyberu", 8, "Skewness"),
    Item("CBTypVyberu", 9, "Kurtosis"),
    MORVIK_GOODNESS_TEXTS,
};

#undef MORVIK_GOODNESS_TEXTS

}  // namespace

std::span<const CaptionText> FitRankingCaptionSet(Language language)
{
    if (language == Language::English) return English;
    return Czech;
}

}  // namespace morvik
