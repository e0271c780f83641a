#pragma once
#include <utility>
#include <vector>

#include "rawdata/RawDataFile.h"

namespace morvik::test {

// A raw data set of the values as the reader would make it: sums, sorted values and statistics.
inline RawDataSet DataOf(std::vector<double> values)
{
    RawDataSet data;
    for (double v : values) {
        data.sumX += v;
        data.sumX2 += static_cast<long double>(v) * v;
    }
    data.values = std::move(values);
    CompleteRawStatistics(data);
    return data;
}

}  // namespace morvik::test
