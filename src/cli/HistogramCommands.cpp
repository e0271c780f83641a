// The commands on one histogram file: show, query, save, abs, report.
#include <ctime>
#include <iostream>

#include "CliCommon.h"
#include "common/AtomicFile.h"
#include "histogram/AbsoluteValue.h"
#include "histogram/HistogramFile.h"
#include "histogram/MainModel.h"
#include "histogram/Queries.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik::cli {
namespace {

// The one positional argument (the histogram file); anything else left over is a usage error.
std::string TakeFile(std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].starts_with("-")) {
        throw UsageException{args.empty() ? "a histogram file is needed" : "unexpected argument: " + args.back()};
    }
    return args[0];
}

int Show(std::vector<std::string> args)
{
    auto multiple = TakeOption(args, "--multiple");
    const std::string path = TakeFile(args);
    LoadedHistogram h = LoadHistogram(path, multiple);
    if (h.message) return Refuse(*h.message);
    return PrintJson(HistogramJson(h.name, h.result, h.kind, h.frequencySum, h.result.Total));
}

// The query runs through the main window's model, so that the window and the batch give the same answers.
int Query(std::vector<std::string> args)
{
    auto multiple = TakeOption(args, "--multiple");
    auto x = TakeOption(args, "--x");
    auto p = TakeOption(args, "--p");
    if (x.has_value() == p.has_value()) throw UsageException{"give exactly one of --x X and --p P"};
    const std::string path = TakeFile(args);
    MainModel model;
    if (auto refusal = model.OpenHistogramFile(path)) return Refuse(*refusal);
    if (multiple) {
        if (auto refusal = model.SetMultiple(*multiple)) return Refuse(*refusal);
    }
    // An empty entry ends the window's query; the batch refuses it as it refuses any other non-number.
    if (auto refusal = ReadQueryEntry(x ? *x : *p).message) return Refuse(*refusal);
    if (x) {
        const MainModel::ValueAnswer answer = model.AskValue(*x);
        if (answer.message) return Refuse(*answer.message);
        if (!answer.result.inRange) return PrintJson({{"out_of_range", true}});
        return PrintJson({{"f", Number(answer.result.f)}, {"F", Number(answer.result.F)}});
    }
    const MainModel::QuantileAnswer answer = model.AskQuantile(*p);
    if (answer.message) return Refuse(*answer.message);
    if (!answer.result.inRange) return PrintJson({{"out_of_range", true}});
    return PrintJson({{"Qp", Number(answer.result.Qp)}});
}

int Save(std::vector<std::string> args)
{
    auto multiple = TakeOption(args, "--multiple");
    auto out = TakeOption(args, "-o");
    if (!out) throw UsageException{"-o OUT.dis is needed"};
    const std::string path = TakeFile(args);
    LoadedHistogram h = LoadHistogram(path, multiple);
    if (h.message) return Refuse(*h.message);
    if (auto failure = WriteHistogramFile(*out, h.result, h.kind)) return Refuse(*failure);
    return PrintJson({{"written", *out}});
}

int Abs(std::vector<std::string> args)
{
    auto out = TakeOption(args, "-o");
    if (!out) throw UsageException{"-o OUT.dis is needed"};
    const std::string path = TakeFile(args);
    LoadedHistogram h = LoadHistogram(path, std::nullopt);
    if (h.message) return Refuse(*h.message);
    Histogram absolute = AbsoluteValueHistogram(h.result, h.kind);
    if (auto failure = WriteHistogramFile(*out, absolute, h.kind)) return Refuse(*failure);
    return PrintJson(HistogramJson(h.name, absolute, h.kind, h.frequencySum, absolute.Total));
}

std::string Today(const char* format)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, format, &local);
    return buffer;
}

int Report(std::vector<std::string> args)
{
    auto multiple = TakeOption(args, "--multiple");
    auto out = TakeOption(args, "-o");
    const std::string path = TakeFile(args);
    MainModel model;
    if (auto refusal = model.OpenHistogramFile(path)) return Refuse(*refusal);
    if (multiple) {
        if (auto refusal = model.SetMultiple(*multiple)) return Refuse(*refusal);
    }
    // The date as d.m.yyyy and the time as hh:mm:ss, the program's default formats.
    std::tm local{};
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &local);
    const std::string date = std::to_string(local.tm_mday) + "." + std::to_string(local.tm_mon + 1) + "." +
                             std::to_string(local.tm_year + 1900);
    const std::string text = model.ResultsText(date, Today("%H:%M:%S"), MORVIK_VERSION);
    if (!out) {
        std::cout << text;
        return ExitOk;
    }
    if (!WriteFileAtomically(*out, text)) return Refuse(FormatText(msg::WriteError, FileNameOf(*out)));
    return PrintJson({{"written", *out}});
}

const bool registered = RegisterCommand("show", "show FILE.dis [--multiple A]", Show) &&
                        RegisterCommand("query", "query FILE.dis [--multiple A] (--x X | --p P)", Query) &&
                        RegisterCommand("save", "save FILE.dis [--multiple A] -o OUT.dis", Save) &&
                        RegisterCommand("abs", "abs FILE.dis -o OUT.dis", Abs) &&
                        RegisterCommand("report", "report FILE.dis [--multiple A] [-o OUT.txt]", Report);

}  // namespace
}  // namespace morvik::cli
