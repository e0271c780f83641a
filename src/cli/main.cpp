// morvik-cli: the batch companion of Morvik. Each command registers itself from its own file.
#include <iostream>
#include <map>

#include "CliCommon.h"
#include "localization/TextCis.h"

namespace morvik::cli {
std::map<std::string, std::pair<std::string, CommandFunction>>& Registry();
}

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Usage: morvik-cli [--lang en|cs] COMMAND [ARGS...]\n"
           "       morvik-cli --version\n\n"
           "Commands:\n";
    for (const auto& [name, entry] : morvik::cli::Registry()) { out << "  " << entry.first << '\n'; }
    out << "\nJSON goes to stdout. Exit status: 0 success, 1 usage error, 2 input refused (the refusal's text on"
           " stderr).\n"
           "See morvik-cli(1) for the options and JSON of each command.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace morvik;
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (auto lang = cli::TakeOption(args, "--lang")) {
            if (*lang == "cs") SetLanguage(Language::Czech);
            else if (*lang == "en") SetLanguage(Language::English);
            else return cli::UsageError("--lang takes en or cs");
        }
        if (args.size() == 1 && args[0] == "--version") {
            std::cout << "morvik-cli " << MORVIK_VERSION << '\n';
            return cli::ExitOk;
        }
        if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            PrintHelp(std::cout);
            return args.empty() ? cli::ExitUsage : cli::ExitOk;
        }
        auto& registry = cli::Registry();
        auto command = registry.find(args[0]);
        if (command == registry.end()) {
            PrintHelp(std::cerr);
            return cli::UsageError("unknown command: " + args[0]);
        }
        std::vector<std::string> rest(args.begin() + 1, args.end());
        try {
            return command->second.second(rest);
        } catch (const cli::UsageException& usage) {
            return cli::UsageError(usage.text + "\nusage: " + command->second.first);
        }
    } catch (const cli::UsageException& usage) {
        return cli::UsageError(usage.text);
    }
}
