// Reading, scaling and characterising a histogram of 1024 intervals.
#include <benchmark/benchmark.h>

#include "histogram/Characteristics.h"
#include "histogram/HistogramFile.h"

namespace {

std::string FullFileText()
{
    std::string text = "[Description]\r\nIdentification=full.dis\r\nType=Discrete\r\nForm=Frequency\r\n\r\n"
                       "[Parameters]\r\nMin=-512\r\nMax=512\r\nBins=1024\r\n";
    std::string bins;
    long long total = 0;
    for (int i = 0; i < 1024; ++i) {
        long long f = 1000 + (i * 7919) % 50000;
        total += f;
        bins += std::to_string(f) + "\r\n";
    }
    return text + "Total=" + std::to_string(total) + "\r\n\r\n[Bins]\r\n" + bins;
}

void ReadScaleCharacterise(benchmark::State& state)
{
    const std::string text = FullFileText();
    for (auto _ : state) {
        morvik::HistogramRead read = morvik::ParseHistogramText(text, morvik::ReaderMode::Main,
                                                                morvik::HistogramKind::PureDiscrete);
        morvik::Histogram result = morvik::ScaleHistogram(read.histogram, -2.5);
        morvik::TrimEmptyEnds(result);
        auto grid = morvik::ShowCharacteristics(result);
        auto stats = morvik::ComputeStatistics(result.Prob, result.Bins, result.Min, result.Max, read.kind,
                                               result.Total);
        benchmark::DoNotOptimize(grid);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(ReadScaleCharacterise)->Unit(benchmark::kMicrosecond);

}  // namespace
