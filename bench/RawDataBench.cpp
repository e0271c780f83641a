// The raw-data paths at the largest data set the program accepts: 500,000 values.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include "rawdata/FitRanking.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/RawHistogram.h"

namespace {

using namespace morvik;

// Removes the file at the end of the run.
struct FileRemover {
    std::string path;
    ~FileRemover()
    {
        std::error_code error;
        std::filesystem::remove(path, error);
    }
};

// A file of 500,000 normally distributed values (mean 50, s 8) written with 6 decimals, made once.
const std::string& LargeFile()
{
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / ("morvik-bench-raw-" + std::to_string(getpid()) + ".txt"))
                .string();
        std::mt19937_64 random(20261210);
        std::normal_distribution<double> normal(50, 8);
        std::ofstream out(file, std::ios::binary);
        char line[64];
        for (int i = 0; i < MaxRawValues; ++i) {
            const int length = std::snprintf(line, sizeof line, "%.6f\n", normal(random));
            out.write(line, length);
        }
        return file;
    }();
    static const FileRemover remover{path};
    return path;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/statm");
    long pages = 0, resident = 0;
    status >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// Reading (parsing, summing), sorting and binning into 128 intervals.
void ReadSortAndBin(benchmark::State& state)
{
    const std::string& path = LargeFile();
    for (auto _ : state) {
        RawDataRead read = ReadRawDataFile(path);
        if (!read.ok()) state.SkipWithError("read refused");
        const RawDataSet& d = read.data;
        RawHistogram h = BuildRawHistogram(d, 128, d.dataMin, d.dataMax, HistogramKind::Discrete);
        benchmark::DoNotOptimize(h);
    }
}
BENCHMARK(ReadSortAndBin)->Unit(benchmark::kMillisecond);

// The whole fit ranking of the data read once: every type, the Weibull shape search, KS and AD.
void FitRankingOfLargeData(benchmark::State& state)
{
    const RawDataRead read = ReadRawDataFile(LargeFile());
    if (!read.ok()) state.SkipWithError("read refused");
    const RawDataSet& d = read.data;
    const RawHistogram h = BuildRawHistogram(d, 128, d.dataMin, d.dataMax, HistogramKind::Discrete);
    int accepted = 0;
    for (auto _ : state) {
        FitRanking ranking = RankFits({d, h, 1e-7});
        accepted = ranking.acceptedCount;
        benchmark::DoNotOptimize(ranking);
    }
    state.counters["accepted_fits"] = accepted;
}
BENCHMARK(FitRankingOfLargeData)->Unit(benchmark::kMillisecond);

// What holding the data costs: the resident size grown by reading them (the file text is released after).
void MemoryOfLargeData(benchmark::State& state)
{
    const std::string& path = LargeFile();
    long grown = 0;
    for (auto _ : state) {
        const long before = ResidentKilobytes();
        RawDataRead read = ReadRawDataFile(path);
        const RawHistogram h =
            BuildRawHistogram(read.data, 128, read.data.dataMin, read.data.dataMax, HistogramKind::Discrete);
        grown = ResidentKilobytes() - before;
        benchmark::DoNotOptimize(h);
    }
    state.counters["held_MB"] = static_cast<double>(grown) / 1024;
}
BENCHMARK(MemoryOfLargeData)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
