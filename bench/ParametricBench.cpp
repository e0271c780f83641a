// One generation of 1024 intervals for every distribution type at its default parameters.
#include <string>

#include <benchmark/benchmark.h>

#include "parametric/ParametricGenerator.h"

namespace {

using namespace morvik;

void GenerateType(benchmark::State& state, int type)
{
    ParameterTexts texts = InitialParameterTexts;
    ApplyDefaultParameterTexts(type, texts);
    ParametricGenerator generator;
    for (auto _ : state) {
        generator.SetTexts(texts);
        GenerationOutcome outcome = generator.VypParaRoz({type, 1e-7, 1024, HistogramKind::Discrete, {}});
        if (!outcome.GenerationOk) state.SkipWithError("generation failed");
        benchmark::DoNotOptimize(outcome);
    }
}

const bool registered = [] {
    for (int type = 0; type < DistributionTypeCount; ++type) {
        const std::string name =
            "ParametricGeneration/" + std::to_string(type) + "_" + TypeListText(type, Language::English);
        benchmark::RegisterBenchmark(name.c_str(), GenerateType, type)->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
