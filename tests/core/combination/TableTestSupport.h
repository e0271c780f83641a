#pragma once
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

#include <stdlib.h>

#include "combination/RowHistogram.h"

namespace morvik::testing {

// A temporary family folder with the histograms root and its category folders, removed afterwards.
class HistogramTree {
public:
    HistogramTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvik-comb-XXXXXX").string();
        base_ = mkdtemp(pattern.data());
        root_ = base_ / "Histograms";
        for (const char* category : {"Calculated", "Loads", "Tests"}) {
            std::filesystem::create_directories(root_ / category);
        }
    }
    ~HistogramTree() { std::filesystem::remove_all(base_); }
    HistogramTree(const HistogramTree&) = delete;
    HistogramTree& operator=(const HistogramTree&) = delete;

    std::string Root() const { return root_.string(); }
    std::string Path(const std::string& relative) const { return (base_ / relative).string(); }

    // Writes a file below the family folder and returns its path.
    std::string Write(const std::string& relative, const std::string& content) const
    {
        const auto path = base_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

private:
    std::filesystem::path base_, root_;
};

// The text of a histogram file; Total is the sum of the frequencies unless given.
inline std::string DisText(const std::string& type, const std::string& min, const std::string& max,
                           const std::vector<long long>& frequencies, long long total = -1)
{
    if (total < 0) total = std::accumulate(frequencies.begin(), frequencies.end(), 0LL);
    std::string text = "[Description]\r\nIdentification=x.dis\r\nType=" + type + "\r\nForm=Frequency\r\n\r\n";
    text += "[Parameters]\r\nMin=" + min + "\r\nMax=" + max + "\r\nBins=" + std::to_string(frequencies.size()) +
            "\r\nTotal=" + std::to_string(total) + "\r\n\r\n[Bins]\r\n";
    for (long long f : frequencies) text += std::to_string(f) + "\r\n";
    return text;
}

// A row record with interval values min, min + width, ... and the given probabilities.
inline RowHistogram MakeRow(double min, double width, std::initializer_list<double> prob, double total = 100)
{
    RowHistogram row;
    row.Bins = static_cast<double>(prob.size());
    row.Min = min;
    row.Width = width;
    row.Max = min + (row.Bins - 1) * width;
    row.Range = row.Bins * width;
    row.Total = total;
    int i = 0;
    for (double p : prob) row.Prob[i++] = p;
    return row;
}

// A row of `bins` equally likely intervals.
inline RowHistogram MakeUniformRow(double min, double width, int bins, double total = 100)
{
    RowHistogram row = MakeRow(min, width, {}, total);
    row.Bins = bins;
    row.Max = min + (bins - 1) * width;
    row.Range = bins * width;
    for (int i = 0; i < bins; ++i) row.Prob[i] = 1.0 / bins;
    return row;
}

}  // namespace morvik::testing
