#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik::cli {

// JSON objects keep their keys in the order written.
using Json = nlohmann::ordered_json;

// Exit codes of every command.
constexpr int ExitOk = 0;
constexpr int ExitUsage = 1;
constexpr int ExitRefused = 2;

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

// A command registers itself from its own file: static const bool registered = RegisterCommand(...).
bool RegisterCommand(const std::string& name, const std::string& usage, CommandFunction run);

// A usage error: the text and the command's usage on stderr; returns ExitUsage.
int UsageError(const std::string& text);
// A refused input: exactly the text the desktop program shows in its dialog, then a newline; returns ExitRefused.
int Refuse(const Message& message);
int Refuse(const std::string& text);
// Prints JSON on stdout; returns ExitOk.
int PrintJson(const Json& json);

// Simple option reading: the value after `name` (removed from args with it), or nullopt when absent.
// A name present without a value throws UsageException.
struct UsageException {
    std::string text;
};
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name);
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

// A JSON number: the double in shortest round-trip form, null when it is not finite. A whole number from 2^53
// on, where the shortest form would print digits the double does not hold (9.223372036854776e+18), prints as
// the exact integer while it fits in 64 bits.
Json Number(double x);

// The JSON of a result histogram as `show` prints it: {"name", "kind", "bins", "min", "max", "width", "range",
// "total", "prob", "frequency_sum", "characteristics"}. The characteristics use `frequencyTotal`;
// `frequencySum` is a JSON number already, so that a 64-bit count keeps every digit.
Json HistogramJson(const std::string& name, const Histogram& result, HistogramKind kind, const Json& frequencySum,
                   double frequencyTotal);

// Reads a histogram file as the main window does, with an optional multiple text checked as the multiple field
// checks it; on success returns the result histogram (scaled and trimmed). On refusal returns the message.
struct LoadedHistogram {
    std::optional<Message> message;
    Histogram input;
    Histogram result;
    HistogramKind kind = HistogramKind::PureDiscrete;
    int64_t frequencySum = 0;
    std::string name;
    std::string multipleText = "1.00";
};
LoadedHistogram LoadHistogram(const std::string& path, const std::optional<std::string>& multipleText);

}  // namespace morvik::cli
