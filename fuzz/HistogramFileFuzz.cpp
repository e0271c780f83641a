// Any bytes given to the histogram file reader end in a histogram or a message, never in a crash; a histogram
// read is written again as a file that reads back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "histogram/HistogramFile.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (auto mode : {ReaderMode::Main, ReaderMode::Component}) {
        HistogramRead read = ParseHistogramText(text, mode, HistogramKind::Discrete);
        fuzz::Require(read.ok() || !read.message->text.empty());
        if (!read.ok()) continue;
        fuzz::Require(read.histogram.Bins >= 1 && read.histogram.Bins <= MaxBins);
        const std::string written = HistogramFileText("fuzz.dis", read.histogram, read.kind);
        HistogramRead again = ParseHistogramText(written, ReaderMode::Main, HistogramKind::Discrete);
        fuzz::Require(!again.ok() || again.histogram.Bins == read.histogram.Bins);
    }
    return 0;
}
