// Any bytes given to the histogram file reader end in a histogram or a message, never in a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "histogram/HistogramFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (auto mode : {morvik::ReaderMode::Main, morvik::ReaderMode::Component}) {
        morvik::HistogramRead read = morvik::ParseHistogramText(text, mode, morvik::HistogramKind::Discrete);
        if (read.ok() && (read.histogram.Bins < 1 || read.histogram.Bins > morvik::MaxBins)) __builtin_trap();
    }
    return 0;
}
