#include "rawdata/RawDataFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankLine(std::string_view line) { return std::all_of(line.begin(), line.end(), IsBlank); }

// The number text must start like a decimal number: this keeps out "inf", "nan" and hexadecimal forms.
bool StartsLikeNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

std::optional<double> ParseNumberText(std::string_view text)
{
    if (!StartsLikeNumber(text)) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParseRawValue(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos) return ParseNumberText(line);
    // Only the first comma is a decimal point; a copy is needed to replace it.
    std::string copy(line);
    copy[comma] = '.';
    return ParseNumberText(copy);
}

namespace {

// The refused line as message 118 shows it: a line far longer than any number is cut, so that the dialog stays
// readable (the cut never splits a UTF-8 sequence).
std::string ShownLine(std::string_view line)
{
    constexpr size_t shown = 200;
    if (line.size() <= shown) return std::string(line);
    size_t cut = shown;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    return std::string(line.substr(0, cut)) + " ...";
}

// Takes the lines of a raw data file one by one and stops at the first it refuses, so that a file with too many
// values or an invalid line is refused as soon as that line is reached, however much follows.
class RawLineReader {
public:
    explicit RawLineReader(size_t expectedBytes)
    {
        // A value takes at least two bytes with its line break: a capacity from the size avoids regrowing.
        read_.data.values.reserve(std::min<size_t>(expectedBytes / 2 + 1, MaxRawValues));
    }

    bool Refused() const { return read_.message.has_value(); }

    // One line without its LF; false once the file is refused. A line longer than any number is refused like
    // any text that is not a number; `cut` marks one that was not read to its end.
    bool Take(std::string_view line, bool cut = false)
    {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!cut && IsBlankLine(line)) return true;
        if (read_.data.values.size() >= static_cast<size_t>(MaxRawValues)) {
            read_.message = Message::Error(TextCis(msg::TooManyValues) + std::to_string(MaxRawValues) + " !");
            return false;
        }
        const bool tooLong = cut || line.size() > MaxRawLineBytes;
        const std::optional<double> value = tooLong ? std::nullopt : ParseRawValue(line);
        if (!value) {
            read_.message = Message::Error(TextCis(msg::InvalidRawValue) + "\r\n\r\n\t" + "Line " +
                                           std::to_string(lineNumber_) + " : " + ShownLine(line));
            return false;
        }
        read_.data.values.push_back(*value);
        sum_ += *value;
        sum2_ += static_cast<long double>(*value) * *value;
        return true;
    }

    RawDataRead Finish()
    {
        if (Refused()) return std::move(read_);
        if (read_.data.Count() < MinRawValues) {
            read_.message = Message::Error(TextCis(msg::TooFewValues) + " !");
            return std::move(read_);
        }
        read_.data.sumX = sum_;
        read_.data.sumX2 = sum2_;
        CompleteRawStatistics(read_.data);
        return std::move(read_);
    }

private:
    RawDataRead read_;
    long double sum_ = 0, sum2_ = 0;
    long lineNumber_ = 0;
};

RawDataRead Unopened(const std::string& path)
{
    RawDataRead read;
    read.message = Message::Error(FormatText(msg::RawFileMissing, path));
    return read;
}

}  // namespace

RawDataRead ParseRawData(std::string_view content)
{
    RawLineReader reader(content.size());
    size_t position = 0;
    while (position < content.size() && !reader.Refused()) {
        size_t end = content.find('\n', position);
        if (end == std::string_view::npos) end = content.size();
        reader.Take(content.substr(position, end - position));
        position = end + 1;
    }
    return reader.Finish();
}

RawDataRead ReadRawDataFile(const std::string& path)
{
    // O_NONBLOCK: a FIFO standing where the file was expected must not wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Unopened(path);
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return Unopened(path);
    }
    // The file is read in blocks and its lines taken as they come: memory holds the values and one line, never
    // the whole file, and a refused line ends the reading.
    RawLineReader reader(static_cast<size_t>(status.st_size));
    std::vector<char> block(1 << 16);
    std::string line;
    bool failed = false;
    while (!reader.Refused()) {
        const ssize_t got = read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0) break;
        std::string_view rest(block.data(), static_cast<size_t>(got));
        while (!rest.empty() && !reader.Refused()) {
            const size_t end = rest.find('\n');
            line.append(rest.substr(0, end));
            if (end == std::string_view::npos) break;
            reader.Take(line);
            line.clear();
            rest.remove_prefix(end + 1);
        }
        // One byte more for a CR before the line break still to come. A line of blanks is passed over however
        // long it is, so only its beginning is kept; anything else this long is no number.
        if (line.size() > MaxRawLineBytes + 1) {
            if (IsBlankLine(line)) line.resize(MaxRawLineBytes + 1);
            else reader.Take(line, true);
        }
    }
    close(fd);
    if (failed) return Unopened(path);
    if (!reader.Refused() && !line.empty()) reader.Take(line);
    return reader.Finish();
}

void CompleteRawStatistics(RawDataSet& data)
{
    std::sort(data.values.begin(), data.values.end());
    const long double n = data.Count();
    const long double mean = data.sumX / n;
    // The deviations are summed about the mean in a second pass: the textbook difference of the sums loses every
    // digit for data whose spread is small beside their mean (it may even turn negative).
    long double m2 = 0, m3 = 0;
    for (double x : data.values) {
        const long double d = x - mean;
        m2 += d * d;
        m3 += d * d * d;
    }
    data.mean = static_cast<double>(mean);
    data.variance = static_cast<double>(m2 / (n - 1));
    data.stdDev = std::sqrt(data.variance);
    const long double s = data.stdDev;
    data.skewness = s > 0 ? static_cast<double>(m3 / (s * s * s) / n) : UndefinedValue();
    data.dataMin = data.values.front();
    data.dataMax = data.values.back();
}

std::string RawListingLine(const RawDataSet& data, int j)
{
    const double x = data.values.at(static_cast<size_t>(j - 1));
    std::string text;
    if (x < 1 || !(std::fabs(x) < 1e14)) {
        text = StrNaCarku(x);
    } else {
        // Fourteen significant digits, shown with five decimals.
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.13e", x);
        char fixed[64];
        std::snprintf(fixed, sizeof fixed, "%.5f", std::strtod(digits, nullptr));
        text = fixed;
    }
    char index[16];
    std::snprintf(index, sizeof index, "%06d", j);
    return text + "  |  " + index;
}

}  // namespace morvik
