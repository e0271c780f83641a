// Reading, scaling and characterising a histogram of 1024 intervals.
#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "histogram/Characteristics.h"
#include "histogram/HistogramFile.h"

namespace {

using morvik::bench::FullFileText;

void ReadScaleCharacterise(benchmark::State& state)
{
    const std::string text = FullFileText();
    for (auto _ : state) {
        morvik::HistogramRead read =
            morvik::ParseHistogramText(text, morvik::ReaderMode::Main, morvik::HistogramKind::PureDiscrete);
        morvik::Histogram result = morvik::ScaleHistogram(read.histogram, -2.5);
        morvik::TrimEmptyEnds(result);
        auto grid = morvik::ShowCharacteristics(result);
        auto stats =
            morvik::ComputeStatistics(result.Prob, result.Bins, result.Min, result.Max, read.kind, result.Total);
        benchmark::DoNotOptimize(grid);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(ReadScaleCharacterise)->Unit(benchmark::kMicrosecond);

}  // namespace
