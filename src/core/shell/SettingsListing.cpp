#include "shell/SettingsListing.h"

#include <sstream>

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"

namespace morvik {

std::vector<SettingsRow> SettingsRows(const std::string& text)
{
    std::vector<SettingsRow> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) rows.push_back({line, std::string()});
        else rows.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return rows;
}

std::optional<Message> SettingsViewerRefusal(bool fileExists)
{
    if (fileExists) return std::nullopt;
    return Message::Information(TextCis(msg::NoSettingsFile));
}

}  // namespace morvik
