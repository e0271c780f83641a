#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"
#include "common/Paths.h"
#include "histogram/Histogram.h"

namespace morvik {

// Which reader: the main window's (Total within 1:100000, message 12 for too many intervals) or a combination
// or summation table row's (Total exact, message 32).
enum class ReaderMode { Main, Component };

// What a histogram file read gives. The histogram is the scratch record of the read: a caller adopts it only
// when `message` is empty, so a refused file never spoils the histogram shown before.
struct HistogramRead {
    std::optional<Message> message;  // the refusal; empty on success
    Histogram histogram;             // Min/Max as midpoints for Discrete
    HistogramKind kind = HistogramKind::PureDiscrete;
    int64_t frequencySum = 0;
    // The header texts as the reader found them (for the input panel and table rows).
    std::string minText, maxText, binsText, totalText;
    int dataLines = 0;
    // What the read went through, for the control listing: the header was read (the data lines follow), the
    // frequencies accepted one by one, and the data ran to the end of the file without a refused line.
    bool headerRead = false;
    std::vector<int64_t> frequencies;
    bool dataRead = false;
    bool ok() const { return !message; }
};

// No histogram file comes near this size (one of 1024 intervals as the program writes it has about 22 kB); a
// larger file is refused from its size alone, before it is read.
constexpr std::uintmax_t MaxHistogramFileBytes = 1u << 20;

// Parses the text of a histogram file. `currentKind` is kept when the file has no "Type=" line.
HistogramRead ParseHistogramText(std::string_view content, ReaderMode mode, HistogramKind currentKind);

// Reads a histogram file; a file that cannot be opened gives message 9 with the path, a file larger than
// MaxHistogramFileBytes a message that says so.
HistogramRead ReadHistogramFile(const std::string& path, HistogramKind currentKind);
// The combination and summation tables' reader; on success the kind is Discrete.
HistogramRead ReadComponentFile(const std::string& path, HistogramKind currentKind);

// The text of the histogram file of `histogram` as the program writes it (CR LF line ends).
// `fileName` is the name with its extension, without folder.
std::string HistogramFileText(const std::string& fileName, const Histogram& histogram, HistogramKind kind);

// Writes the histogram file safely: an existing file is replaced only by a complete new one.
// A failure gives message 22 with the file name.
std::optional<Message> WriteHistogramFile(const std::string& path, const Histogram& histogram, HistogramKind kind);

// Message 499 for a refused folder (a warning).
Message CategoryFolderMessage(const std::string& histogramsRoot);

}  // namespace morvik
