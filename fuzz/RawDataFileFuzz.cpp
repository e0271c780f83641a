// Any bytes given to the raw data reader end in a data set or a message, never in a crash; a data set it
// accepts is sorted and within the limits, and its histogram sums to 1. The file reader, which takes the file in
// blocks, answers as the reader of the same text does.
// Seeds: the raw data fixtures, e.g. `RawDataFileFuzz CORPUS tests/fixtures/rawdata`.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/RawHistogram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    morvik::RawDataRead read = morvik::ParseRawData(text);
    static const std::string scratch = morvik::fuzz::ScratchFile(".txt");
    if (morvik::fuzz::WriteScratch(scratch, text)) {
        const morvik::RawDataRead fromFile = morvik::ReadRawDataFile(scratch);
        morvik::fuzz::Require(fromFile.ok() == read.ok());
        morvik::fuzz::Require(read.ok() ? fromFile.data.values == read.data.values
                                        : fromFile.message->text == read.message->text);
    }
    if (!read.ok()) return 0;
    const morvik::RawDataSet& d = read.data;
    if (d.Count() < morvik::MinRawValues || d.Count() > morvik::MaxRawValues) __builtin_trap();
    if (!std::is_sorted(d.values.begin(), d.values.end())) __builtin_trap();
    if (!std::isfinite(d.mean)) return 0;  // sums of values near the largest double may overflow
    if (d.dataMin < d.dataMax) {
        const morvik::RawHistogram h =
            morvik::BuildRawHistogram(d, 16, d.dataMin, d.dataMax, morvik::HistogramKind::Discrete);
        double sum = 0;
        for (int i = 0; i < 16; ++i) sum += h.frequency[static_cast<size_t>(i)];
        if (std::fabs(sum - 1) > 1e-9) __builtin_trap();
    }
    return 0;
}
