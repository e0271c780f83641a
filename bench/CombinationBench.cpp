// The heavy paths of the combination and summation tables: 10 and 16 full rows.
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "combination/Computation.h"

namespace {

using namespace morvik;

// A bell-shaped row of 1024 intervals, shifted by `offset`.
RowHistogram FullRow(double offset)
{
    RowHistogram row;
    row.Bins = MaxBins;
    row.Width = 0.01;
    row.Min = offset + row.Width / 2;
    row.Max = row.Min + (MaxBins - 1) * row.Width;
    row.Range = MaxBins * row.Width;
    row.Total = 1000000;
    double sum = 0;
    for (int i = 0; i < MaxBins; ++i) {
        const double z = (i - 511.5) / 170.0;
        row.Prob[i] = std::exp(-z * z / 2);
        sum += row.Prob[i];
    }
    for (int i = 0; i < MaxBins; ++i) row.Prob[i] /= sum;
    return row;
}

std::vector<RowHistogram> FullRows(int count)
{
    std::vector<RowHistogram> rows;
    for (int i = 0; i < count; ++i) rows.push_back(FullRow(i * 1.5));
    return rows;
}

void CombineTenFullRows(benchmark::State& state)
{
    const std::vector<RowHistogram> rows = FullRows(10);
    std::vector<ScaledRow> scaled;
    for (size_t i = 0; i < rows.size(); ++i) scaled.push_back({&rows[i], i % 2 ? -1.0 : 1.5});
    for (auto _ : state) benchmark::DoNotOptimize(CombineRows(scaled, MaxBins));
}
BENCHMARK(CombineTenFullRows)->Unit(benchmark::kMillisecond);

// Equal widths and multiples 1: the grids line up and half of all sums lie halfway between two intervals.
void CombineTenAlignedRows(benchmark::State& state)
{
    const std::vector<RowHistogram> rows = FullRows(10);
    std::vector<ScaledRow> scaled;
    for (const RowHistogram& row : rows) scaled.push_back({&row, 1.0});
    for (auto _ : state) benchmark::DoNotOptimize(CombineRows(scaled, MaxBins));
}
BENCHMARK(CombineTenAlignedRows)->Unit(benchmark::kMillisecond);

void SumSixteenFullRows(benchmark::State& state)
{
    const std::vector<RowHistogram> rows = FullRows(16);
    std::vector<ScaledRow> scaled;
    for (size_t i = 0; i < rows.size(); ++i) scaled.push_back({&rows[i], i % 2 ? -1.0 : 1.5, 1.0 + i});
    for (auto _ : state) benchmark::DoNotOptimize(SumRows(scaled, MaxBins));
}
BENCHMARK(SumSixteenFullRows)->Unit(benchmark::kMillisecond);

}  // namespace
