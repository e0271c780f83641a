#pragma once
#include <string>

#include "histogram/Histogram.h"

namespace morvik {

// What the heading of the results report names.
struct ReportHeading {
    std::string histogramName;
    std::string multipleText;  // the text of the multiple field
    std::string date;          // in the date format of the settings
    std::string time;          // in the time format of the settings
    std::string version;       // the program's version text
};

// The results report of a result histogram (CR LF line ends): heading, characteristics, and the ruled table of
// intervals with value, probability, frequency and distribution function. `frequencyTotal` is T.
std::string ResultsReportText(const ReportHeading& heading, const Histogram& result, HistogramKind kind,
                              double frequencyTotal);

}  // namespace morvik
