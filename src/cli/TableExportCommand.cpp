// table-export: the spreadsheet of a histogram's frequency and probability table, without a window.
#include "CliCommon.h"
#include "editor/HistogramWorkbook.h"

namespace morvik::cli {
namespace {

int TableExport(std::vector<std::string> args)
{
    auto multiple = TakeOption(args, "--multiple");
    auto out = TakeOption(args, "-o");
    if (!out) throw UsageException{"-o OUT.xlsx is needed"};
    if (args.size() != 1 || args[0].starts_with("-")) {
        throw UsageException{args.empty() ? "a histogram file is needed" : "unexpected argument: " + args.back()};
    }
    LoadedHistogram h = LoadHistogram(args[0], multiple);
    if (h.message) return Refuse(*h.message);
    if (auto failure = WriteHistogramWorkbook(*out, h.result, h.kind, h.name)) return Refuse(*failure);
    return PrintJson({{"written", *out}});
}

const bool registered = RegisterCommand("table-export", "table-export FILE.dis [--multiple A] -o OUT.xlsx",
                                        [](const std::vector<std::string>& args) { return TableExport(args); });

}  // namespace
}  // namespace morvik::cli
