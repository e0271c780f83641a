#include "rawdata/TypedRawData.h"

#include "common/AtomicFile.h"
#include "histogram/HistogramFile.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "rawdata/RawDataFile.h"

namespace morvik {

TypedDataCheck CheckTypedData(const std::vector<std::string>& lines)
{
    TypedDataCheck check;
    if (lines.empty()) {
        check.message = Message::Error(TextCis(msg::EmptyFrequencyTable));
        return check;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) {
            check.text += "0\r\n";
            continue;
        }
        if (!ParseRawValue(line)) {
            check.message = Message::Error(TextCis(msg::InvalidTypedValue) + "\r\n\r\n\t" + TextCis(msg::LineCaption) +
                                           std::to_string(i + 1) + "\r\n\t" + TextCis(msg::ElementCaption) + line);
            check.text.clear();
            return check;
        }
        check.text += line + "\r\n";
    }
    return check;
}

Message OverwriteQuestion(const std::string& path)
{
    return Message::Confirmation(FormatText(msg::OverwriteQuestion, path));
}

std::string TypedLineCountText(int lines) { return " " + std::to_string(lines); }
std::string TypedCaretLineText(int line) { return " " + std::to_string(line); }

std::optional<Message> SaveTypedData(const std::vector<std::string>& lines, const std::string& path)
{
    TypedDataCheck check = CheckTypedData(lines);
    if (check.message) return check.message;
    if (!WriteFileAtomically(path, check.text)) return Message::Error(FormatText(msg::WriteError, FileNameOf(path)));
    return std::nullopt;
}

}  // namespace morvik
