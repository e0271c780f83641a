#pragma once
// What the combine, sum and table commands share: reading the rows of the command line into a table and
// printing (and writing) the computed result.
#include <optional>
#include <string>
#include <vector>

#include "CliCommon.h"
#include "combination/ComponentTable.h"

namespace morvik::cli {

// One file of the command line with the options given before it.
struct RowArgument {
    std::string path;
    std::string multiple = "1";
    std::string weight = "1";
};

// Reads "[-a A] [-w W] FILE ..." (`-w` only when `weights`); throws UsageException for anything else.
std::vector<RowArgument> TakeRowArguments(std::vector<std::string>& args, bool weights);

// Loads the rows into the table (with the component reader's checks) and fills their multiples and weights.
std::optional<Message> LoadRows(ComponentTable& table, const std::vector<RowArgument>& rows);

// Computes the table; a question the window would ask (missing multiples or weights) refuses the run with
// its text, since there is nobody to answer it. Prints the result as `show` does and writes it to `out`.
template <typename Table>
int ComputeAndPrint(Table& table, const std::optional<std::string>& out);

// The parts of ComputeAndPrint that do not depend on the table's type.
int PrintResult(const std::string& name, const Histogram& result, const std::optional<std::string>& out);
int RefuseOrPrint(std::optional<Message> refusal, const std::optional<Message>& question, bool done,
                  const std::string& name, const Histogram& result, const std::optional<std::string>& out);

template <typename Table>
int ComputeAndPrint(Table& table, const std::optional<std::string>& out)
{
    std::optional<Message> question;
    auto refusal = table.Compute([&question](const Message& asked) {
        question = asked;
        return false;
    });
    return RefuseOrPrint(std::move(refusal), question, table.Done(), Table::ResultName, table.Result(), out);
}

}  // namespace morvik::cli
