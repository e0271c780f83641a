// The generate command: a histogram from one of the parametric distributions, as the parametric window makes it.
#include <cctype>

#include "CliCommon.h"
#include "histogram/HistogramFile.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "parametric/ParametricGenerator.h"
#include "parametric/ParametricInputChecks.h"

namespace morvik::cli {
namespace {

// The type as its index 0..23 or its English list text.
int ReadType(const std::string& text)
{
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (digits) {
        if (text.size() <= 2 && std::stoi(text) < DistributionTypeCount) return std::stoi(text);
    } else if (int type = FindTypeByEnglishText(text); type >= 0) {
        return type;
    }
    throw UsageException{"unknown distribution type: " + text};
}

int RunGenerate(const std::vector<std::string>& arguments)
{
    std::vector<std::string> args = arguments;
    const std::string binsText = TakeOption(args, "--bins").value_or("128");
    const std::string epsText = TakeOption(args, "--eps").value_or("1E-7");
    const bool pure = TakeFlag(args, "--pure");
    const auto out = TakeOption(args, "-o");
    if (args.empty()) throw UsageException{"a distribution type is needed"};
    if (args.size() > 5) throw UsageException{"unexpected argument: " + args[5]};
    const int type = ReadType(args[0]);

    int bins = 0;
    if (auto refusal = CheckIntervalCount(binsText, bins)) return Refuse(*refusal);
    double eps = 0;
    if (auto refusal = CheckEps(epsText, eps)) return Refuse(*refusal);

    // Parameters left out take the window's default texts of the type.
    ParameterTexts texts = InitialParameterTexts;
    ApplyDefaultParameterTexts(type, texts);
    for (size_t i = 1; i < args.size(); ++i) texts[i - 1] = args[i];

    ParametricGenerator generator;
    generator.SetTexts(texts);
    const HistogramKind kind = pure ? HistogramKind::PureDiscrete : HistogramKind::Discrete;
    const GenerationOutcome outcome = generator.VypParaRoz({type, eps, bins, kind, std::nullopt});
    if (outcome.faultMessage) return Refuse(*outcome.faultMessage);
    if (outcome.refusal) return Refuse(outcome.refusal->message);
    if (!outcome.result) return Refuse(TextCis(msg::UnusableParameters));

    const GeneratedHistogram& result = *outcome.result;
    if (out) {
        if (auto failure = WriteHistogramFile(*out, result.histogram, result.kind)) return Refuse(*failure);
    }
    const double total = result.histogram.Total;
    Json json = HistogramJson(result.name, result.histogram, result.kind,
                              Number(total * result.histogram.ProbabilitySum()), total);
    json["outer_min"] = Number(result.outerMin);
    json["outer_max"] = Number(result.outerMax);
    return PrintJson(json);
}

const bool registered = RegisterCommand(
    "generate", "generate TYPE [P1 [P2 [P3 [P4]]]] [--bins N] [--eps E] [--pure] [-o OUT.dis]", RunGenerate);

}  // namespace
}  // namespace morvik::cli
