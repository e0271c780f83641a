// The rawhist and fit commands: the histogram of raw data and the ranking of the parametric fits.
#include <iostream>

#include "CliCommon.h"
#include "histogram/HistogramFile.h"
#include "rawdata/FitRanking.h"
#include "rawdata/RawDataFields.h"
#include "rawdata/RawDataFile.h"
#include "rawdata/RawHistogram.h"

namespace morvik::cli {
namespace {

// The data and their histogram as the raw-data window builds them from its fields.
struct RawInput {
    std::optional<Message> refusal;
    RawDataSet data;
    std::optional<RawHistogram> histogram;
    std::string name;
};

RawInput ReadAndBin(std::vector<std::string>& args, bool pure)
{
    RawInput input;
    const std::string binsText = TakeOption(args, "--bins").value_or("128");
    const auto minText = TakeOption(args, "--min");
    const auto maxText = TakeOption(args, "--max");
    if (args.empty()) throw UsageException{"a raw data file is needed"};
    if (args.size() > 1) throw UsageException{"unexpected argument: " + args[1]};

    RawDataRead read = ReadRawDataFile(args[0]);
    if (!read.ok()) {
        input.refusal = read.message;
        return input;
    }
    input.data = std::move(read.data);
    input.name = HistogramNameOf(args[0]);
    int n = 0;
    if (auto refusal = CheckRawIntervalCount(binsText, n)) {
        input.refusal = refusal;
        return input;
    }
    double min = input.data.dataMin, max = input.data.dataMax;
    if (minText) {
        if (auto refusal = CheckRawMin(*minText, max, min)) {
            input.refusal = refusal;
            return input;
        }
    }
    if (maxText) {
        if (auto refusal = CheckRawMax(*maxText, min, max)) {
            input.refusal = refusal;
            return input;
        }
    }
    if (!(min < max)) {
        input.refusal = EmptyRangeMessage();
        return input;
    }
    if (auto warning = SturgesWarning(n, input.data.Count())) std::cerr << warning->text << '\n';
    const HistogramKind kind = pure ? HistogramKind::PureDiscrete : HistogramKind::Discrete;
    input.histogram = BuildRawHistogram(input.data, n, min, max, kind);
    return input;
}

int RunRawHist(const std::vector<std::string>& arguments)
{
    std::vector<std::string> args = arguments;
    const bool pure = TakeFlag(args, "--pure");
    const auto out = TakeOption(args, "-o");
    RawInput input = ReadAndBin(args, pure);
    if (input.refusal) return Refuse(*input.refusal);
    const RawHistogram& raw = *input.histogram;
    const Histogram histogram = raw.AsHistogram();
    if (out) {
        if (auto failure = WriteHistogramFile(*out, histogram, raw.kind)) return Refuse(*failure);
    }
    const RawDataSet& data = input.data;
    Json json = {
        {"count", data.Count()},
        {"mean", Number(data.mean)},
        {"std_dev", Number(data.stdDev)},
        {"skewness", Number(data.skewness)},
        {"data_min", Number(data.dataMin)},
        {"data_max", Number(data.dataMax)},
        {"histogram", HistogramJson("RawData_(" + input.name + ")", histogram, raw.kind, Number(raw.total), raw.total)},
    };
    return PrintJson(json);
}

Json RowJson(const FitRow& row)
{
    Json json = {
        {"type", row.type >= 0 ? Json(row.type) : Json(nullptr)},
        {"name", row.name},
        {"closeness", Number(row.closeness)},
        {"params", row.parameters},
        {"median", Number(row.median)},
        {"mode", Number(row.mode)},
        {"mean", Number(row.mean)},
        {"variance", Number(row.variance)},
        {"std_dev", Number(row.stdDev)},
        {"cv_percent", Number(row.cvPercent)},
        {"skewness", Number(row.skewness)},
        {"kurtosis_excess", Number(row.kurtosis)},
    };
    json["ks_d"] = row.goodness ? Number(row.goodness->ksD) : Json(nullptr);
    json["ks_p"] = row.goodness ? Number(row.goodness->ksP) : Json(nullptr);
    json["ad"] = row.goodness ? Number(row.goodness->ad) : Json(nullptr);
    return json;
}

int RunFit(const std::vector<std::string>& arguments)
{
    std::vector<std::string> args = arguments;
    const std::string epsText = TakeOption(args, "--eps").value_or("1E-7");
    RawInput input = ReadAndBin(args, false);
    if (input.refusal) return Refuse(*input.refusal);
    double eps = 0;
    if (auto refusal = CheckRawEps(epsText, eps)) return Refuse(*refusal);

    const FitRanking ranking = RankFits({input.data, *input.histogram, eps});
    if (ranking.rejectedWarning) std::cerr << ranking.rejectedWarning->text << '\n';
    if (ranking.refusal) return Refuse(*ranking.refusal);

    Json rows = Json::array();
    for (const FitRow* row : ranking.RankedRows()) rows.push_back(RowJson(*row));
    Json rejected = Json::array();
    for (const RejectedFit& r : ranking.rejected) {
        rejected.push_back({{"type", r.type}, {"name", FitTypeName(r.type)}, {"message", r.message}});
    }
    return PrintJson({{"raw", RowJson(ranking.rawRow)}, {"ranking", rows}, {"rejected", rejected}});
}

const bool rawhistRegistered =
    RegisterCommand("rawhist", "rawhist RAW.txt [--bins N] [--min X] [--max Y] [--pure] [-o OUT.dis]", RunRawHist);
const bool fitRegistered = RegisterCommand("fit", "fit RAW.txt [--bins N] [--eps E] [--min X] [--max Y]", RunFit);

}  // namespace
}  // namespace morvik::cli
