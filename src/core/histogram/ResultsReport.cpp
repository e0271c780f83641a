#include "histogram/ResultsReport.h"

#include "common/NumberText.h"
#include "histogram/Characteristics.h"
#include "localization/CharacteristicLabels.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

const char* const eol = "\r\n";

// A number cell of the table: the display text, right-aligned in the 12 characters of its column.
std::string Cell(double x) { return PadLeft(StrNaCarku(x), 12); }

std::string IntervalRow(int i, double x, double p, double T, double F)
{
    return "|" + TCetnost(5, i) + " | " + Cell(x) + " | " + Cell(p) + " | " + TCetnost(12, p * T) + " | " + Cell(F) +
           " |";
}

std::string EdgeRow(double v, double G)
{
    return "|      | " + Cell(v) + " |              |              | " + Cell(G) + " |";
}

}  // namespace

std::string ResultsReportText(const ReportHeading& heading, const Histogram& h, HistogramKind kind,
                              double frequencyTotal)
{
    const double T = frequencyTotal;
    const int n = h.Bins;
    const double w = h.Width;
    const std::string rule(66, '_');
    std::string text;
    auto line = [&text](const std::string& content) { text += content + eol; };

    line(TextCis(msg::ReportHeading));
    line(std::string(52, '_'));
    line(" ");
    line("Histogram A : " + heading.histogramName);
    line(TextCis(msg::ReportMultipleLine) + heading.multipleText);
    line(TextCis(msg::ReportDateLine) + heading.date + " / " + heading.time);
    line("Program     : Morvik ( " + TextCis(msg::VersionCaption) + " :  " + heading.version + " )");
    line(" ");
    line(" ");
    line(TextCis(msg::BasicHeading) + TextCis(msg::CharacteristicsTitle));
    line("");
    const Statistics s = ComputeStatistics(h.Prob, n, h.Min, h.Max, kind, T);
    const auto& labels = CharacteristicLabels();
    for (size_t i = 0; i < labels.size(); ++i) line(labels[i] + "\t" + s.texts[i]);
    line(" ");
    line(" " + rule);
    line(CurrentLanguage() == Language::Czech ? "|  INT |       X      |  Pravd.P(x)  |   Četnost    | Distr. F(x)  |"
                                              : "|  INT |       X      |  Probab.P(x) |  Frequency   | Distr. F(x)  |");
    line("|" + rule + "|");

    double F = 0;
    if (kind == HistogramKind::Discrete) {
        line(EdgeRow(h.Min - w / 2, 0));
        for (int i = 1; i <= n; ++i) {
            const double p = h.Prob[i - 1];
            F += p;
            line(IntervalRow(i, h.ValueAt(i - 1), p, T, F - p / 2));
            line(EdgeRow(h.Min + (i - 0.5) * w, F));
        }
    } else {
        for (int i = 1; i <= n; ++i) {
            const double p = h.Prob[i - 1];
            F += p;
            line(IntervalRow(i, h.ValueAt(i - 1), p, T, F));
        }
    }

    line("|" + rule + "|");
    line("|    " + TextCis(msg::TotalRowCaption) + "    | " + Cell(h.ProbabilitySum()) + " | " + TCetnost(12, T) +
         " |              |");
    line("|" + rule + "|");
    return text;
}

}  // namespace morvik
