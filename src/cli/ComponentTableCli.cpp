#include "ComponentTableCli.h"

#include "histogram/HistogramFile.h"

namespace morvik::cli {

std::vector<RowArgument> TakeRowArguments(std::vector<std::string>& args, bool weights)
{
    std::vector<RowArgument> rows;
    RowArgument next;
    bool pending = false;  // an option waits for its file
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-a" || (weights && arg == "-w")) {
            if (i + 1 >= args.size()) throw UsageException{"option " + arg + " needs a value"};
            (arg == "-a" ? next.multiple : next.weight) = args[++i];
            pending = true;
        } else if (arg.starts_with("-")) {
            throw UsageException{"unexpected option: " + arg};
        } else {
            next.path = arg;
            rows.push_back(next);
            next = RowArgument{};
            pending = false;
        }
    }
    if (pending) throw UsageException{"an option after the last file applies to no file"};
    args.clear();
    return rows;
}

std::optional<Message> LoadRows(ComponentTable& table, const std::vector<RowArgument>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (auto refusal = table.LoadRowFile(row, rows[i].path)) return refusal;
        table.SetCell(row, TableColumn::Multiple, rows[i].multiple);
        if (table.Layout().kind == TableKind::Summation) table.SetCell(row, TableColumn::Weight, rows[i].weight);
    }
    return std::nullopt;
}

int PrintResult(const std::string& name, const Histogram& result, const std::optional<std::string>& out)
{
    if (out) {
        if (auto failure = WriteHistogramFile(*out, result, HistogramKind::Discrete)) return Refuse(*failure);
    }
    // The frequencies of a computed histogram add up to its Total.
    return PrintJson(HistogramJson(name, result, HistogramKind::Discrete, Number(result.Total), result.Total));
}

int RefuseOrPrint(std::optional<Message> refusal, const std::optional<Message>& question, bool done,
                  const std::string& name, const Histogram& result, const std::optional<std::string>& out)
{
    if (refusal) return Refuse(*refusal);
    if (!done) return Refuse(question ? *question : Message::Error("no result"));
    return PrintResult(name, result, out);
}

}  // namespace morvik::cli
