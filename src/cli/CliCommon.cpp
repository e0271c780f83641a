#include "CliCommon.h"

#include <cmath>
#include <iostream>
#include <map>

#include "histogram/Characteristics.h"
#include "histogram/HistogramFile.h"
#include "histogram/Multiple.h"

namespace morvik::cli {

std::map<std::string, std::pair<std::string, CommandFunction>>& Registry()
{
    static std::map<std::string, std::pair<std::string, CommandFunction>> commands;
    return commands;
}

bool RegisterCommand(const std::string& name, const std::string& usage, CommandFunction run)
{
    Registry()[name] = {usage, std::move(run)};
    return true;
}

int UsageError(const std::string& text)
{
    std::cerr << text << '\n';
    return ExitUsage;
}

int Refuse(const std::string& text)
{
    std::cerr << text << '\n';
    return ExitRefused;
}

int Refuse(const Message& message) { return Refuse(message.text); }

int PrintJson(const Json& json)
{
    std::cout << json.dump(2) << '\n';
    return ExitOk;
}

std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) throw UsageException{"option " + name + " needs a value"};
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return value;
        }
    }
    return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

Json Number(double x)
{
    if (!std::isfinite(x)) return Json(nullptr);
    constexpr double exactLimit = 9007199254740992.0;       // 2^53: from here on not every whole number is a double
    constexpr double int64Limit = 9223372036854775808.0;    // 2^63
    constexpr double uint64Limit = 18446744073709551616.0;  // 2^64
    if (std::fabs(x) >= exactLimit) {
        if (x >= -int64Limit && x < int64Limit) return Json(static_cast<int64_t>(x));
        if (x > 0 && x < uint64Limit) return Json(static_cast<uint64_t>(x));
    }
    return Json(x);
}

Json HistogramJson(const std::string& name, const Histogram& result, HistogramKind kind, const Json& frequencySum,
                   double frequencyTotal)
{
    Json prob = Json::array();
    for (int i = 0; i < result.Bins; ++i) prob.push_back(result.Prob[i]);
    const Statistics s = ComputeStatistics(result.Prob, result.Bins, result.Min, result.Max, kind, frequencyTotal);
    // The outer edges of a Discrete histogram follow from its own Width (also for a single interval).
    const bool discrete = kind == HistogramKind::Discrete;
    const double outerMin = discrete ? result.Min - result.Width / 2 : result.Min;
    const double outerMax = discrete ? result.Max + result.Width / 2 : result.Max;
    return {
        {"name", name},
        {"kind", KindText(kind)},
        {"bins", result.Bins},
        {"min", Number(result.Min)},
        {"max", Number(result.Max)},
        {"width", Number(result.Width)},
        {"range", Number(result.Range)},
        {"total", Number(result.Total)},
        {"prob", prob},
        {"frequency_sum", frequencySum},
        {"characteristics",
         {{"min", Number(outerMin)},
          {"max", Number(outerMax)},
          {"bins", result.Bins},
          {"frequency_total", Number(frequencyTotal)},
          {"mean", Number(s.mean)},
          {"variance", Number(s.variance)},
          {"std_dev", Number(s.stdDev)},
          {"mean_deviation", Number(s.meanDeviation)},
          {"cv_percent", Number(s.cvPercent)},
          {"skewness", Number(s.skewness)},
          {"concentration", Number(s.concentration)},
          {"kurtosis_excess", Number(s.excess)},
          {"median", Number(s.median)},
          {"mode", Number(s.mode)}}},
    };
}

LoadedHistogram LoadHistogram(const std::string& path, const std::optional<std::string>& multipleText)
{
    LoadedHistogram loaded;
    // Each run starts fresh: a file without a "Type=" line is Pure Discrete.
    HistogramRead read = ReadHistogramFile(path, HistogramKind::PureDiscrete);
    if (!read.ok()) {
        loaded.message = read.message;
        return loaded;
    }
    loaded.kind = read.kind;
    loaded.input = read.histogram;
    loaded.frequencySum = read.frequencySum;
    loaded.name = HistogramNameOf(path);
    double a = 1;
    if (multipleText) {
        // A batch run never silently uses another multiple than the one asked for.
        MultipleCheck check = CheckMultiple(*multipleText, loaded.kind);
        if (check.message) {
            loaded.message = check.message;
            return loaded;
        }
        a = check.multiple;
        loaded.multipleText = check.text;
    }
    loaded.result = ScaleHistogram(loaded.input, a);
    TrimEmptyEnds(loaded.result);
    return loaded;
}

}  // namespace morvik::cli
