#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"

namespace morvik {

// The most values a raw data file may hold, and the fewest any analysis needs.
constexpr int MaxRawValues = 500000;
constexpr int MinRawValues = 3;
// A line longer than this (its CR not counted) is no number, whatever it holds: a value takes a few dozen
// characters. The file reader refuses such a line without holding more of it; blank lines of any length are
// passed over.
constexpr size_t MaxRawLineBytes = 1 << 20;

// The measured values of one quantity with their statistics. The values are sorted ascending.
struct RawDataSet {
    std::vector<double> values;
    long double sumX = 0;  // accumulated while reading
    long double sumX2 = 0;
    double mean = 0;
    double variance = 0;  // sample variance s^2
    double stdDev = 0;    // sample standard deviation s
    double skewness = 0;  // sum (x - mean)^3 / s^3 / N; undefined (NaN) when s = 0
    double dataMin = 0;   // the first and last sorted values
    double dataMax = 0;

    int Count() const { return static_cast<int>(values.size()); }
};

// What a read of a raw data file gives: the data set, or the message of the refusal.
struct RawDataRead {
    std::optional<Message> message;
    RawDataSet data;
    bool ok() const { return !message; }
};

// One value of a line: leading blanks, a number with a decimal point (the first comma is taken for one) and an
// optional exponent, nothing after it. No locale is involved.
std::optional<double> ParseRawValue(std::string_view line);

// Parses the text of a raw data file: one value per line, CR LF or LF line ends, an optional final line break.
// A line holding nothing but blanks carries no value and is passed over.
RawDataRead ParseRawData(std::string_view content);
// Reads a raw data file; a file that cannot be opened or read, or that is no regular file, gives message 112 with
// the full file name. The file is read line by line and its reading ends at the first line refused, so that memory
// stays bounded whatever the file holds.
RawDataRead ReadRawDataFile(const std::string& path);

// Computes the statistics of values read (the sums are set); sorts the values.
void CompleteRawStatistics(RawDataSet& data);

// The listing line of value j (1-based) of the sorted values: the value's text, "  |  " and j to six digits.
std::string RawListingLine(const RawDataSet& data, int j);

}  // namespace morvik
