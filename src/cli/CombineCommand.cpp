// morvik-cli combine: the histogram of a sum of independent scaled variables.
#include "ComponentTableCli.h"
#include "combination/CombinationTable.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik::cli {
namespace {

int RunCombine(std::vector<std::string> args)
{
    const auto out = TakeOption(args, "-o");
    const std::vector<RowArgument> rows = TakeRowArguments(args, false);
    CombinationTable table;
    if (rows.size() > static_cast<size_t>(table.Layout().tableRows)) {
        throw UsageException{"at most " + std::to_string(table.Layout().tableRows) + " files can be combined"};
    }
    if (rows.size() < 2) return Refuse(TextCis(msg::TooFewToCombine));
    if (auto refusal = LoadRows(table, rows)) return Refuse(*refusal);
    return ComputeAndPrint(table, out);
}

const bool registered =
    RegisterCommand("combine", "combine [-a A] FILE.dis [-a A] FILE.dis ... [-o OUT.dis]", RunCombine);

}  // namespace
}  // namespace morvik::cli
