#pragma once
#include <array>
#include <string>

namespace morvik {

// The capacity of every histogram of the program: files, tool windows and tables alike.
constexpr int MaxBins = 1024;

enum class HistogramKind {
    Discrete,      // each probability belongs to an interval; Min/Max are the first/last midpoints in memory
    PureDiscrete,  // each probability belongs to one value; Min/Max are the first/last value
};

// "Discrete" or "Pure Discrete", as in files and grids.
std::string KindText(HistogramKind kind);

// A bounded histogram: Bins equally spaced values x(i) = Min + (i-1) Width, i = 1..Bins, with Prob[i-1].
struct Histogram {
    int Bins = 0;
    double Min = 0;
    double Max = 0;
    double Range = 0;
    double Width = 0;
    double Total = 0;  // the frequency total, a whole number
    std::array<double, MaxBins> Prob{};

    double ValueAt(int index) const { return Min + index * Width; }  // index from 0
    double ProbabilitySum() const;
    bool operator==(const Histogram&) const = default;
};

// The histogram of A X: values times A, ordered from the smallest up again when A is negative.
Histogram ScaleHistogram(const Histogram& input, double a);
// Removes the empty intervals at both ends (inner zeros stay). A histogram without any weight is left alone.
void TrimEmptyEnds(Histogram& histogram);

}  // namespace morvik
