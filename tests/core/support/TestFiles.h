#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "support/TempFolder.h"

namespace morvik::test {

// A histogram file in the layout the program writes; `type` empty leaves the "Type=" line out.
inline std::string DisText(const std::string& type, const std::string& min, const std::string& max, int bins,
                           long long total, const std::vector<long long>& frequencies,
                           const std::string& identification = "test.dis")
{
    std::string text = "[Description]\r\nIdentification=" + identification + "\r\n";
    if (!type.empty()) text += "Type=" + type + "\r\n";
    text += "Form=Frequency\r\n\r\n[Parameters]\r\nMin=" + min + "\r\nMax=" + max + "\r\nBins=" + std::to_string(bins) +
            "\r\nTotal=" + std::to_string(total) + "\r\n\r\n[Bins]\r\n";
    for (long long f : frequencies) text += std::to_string(f) + "\r\n";
    return text;
}

// A histogram of values min, min + width, ... with the given probabilities.
inline Histogram MakeHistogram(double min, double width, const std::vector<double>& prob, double total = 100)
{
    Histogram h;
    h.Bins = static_cast<int>(prob.size());
    h.Min = min;
    h.Width = width;
    h.Max = min + (h.Bins - 1) * width;
    h.Range = h.Max - h.Min;
    h.Total = total;
    std::copy(prob.begin(), prob.end(), h.Prob.begin());
    return h;
}

}  // namespace morvik::test
