// morvik-cli sum: the weighted mixture of scaled histograms.
#include "ComponentTableCli.h"
#include "combination/SummationTable.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik::cli {
namespace {

int RunSum(std::vector<std::string> args)
{
    const auto out = TakeOption(args, "-o");
    const std::vector<RowArgument> rows = TakeRowArguments(args, true);
    SummationTable table;
    if (rows.size() > static_cast<size_t>(table.Layout().tableRows)) {
        throw UsageException{"at most " + std::to_string(table.Layout().tableRows) + " files can be summed"};
    }
    if (rows.size() < 2) return Refuse(TextCis(msg::TooFewToSum));
    if (auto refusal = LoadRows(table, rows)) return Refuse(*refusal);
    return ComputeAndPrint(table, out);
}

const bool registered =
    RegisterCommand("sum", "sum [-a A] [-w W] FILE.dis [-a A] [-w W] FILE.dis ... [-o OUT.dis]", RunSum);

}  // namespace
}  // namespace morvik::cli
