#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Message.h"

namespace morvik {

// One row of the settings viewer: a key=value line split at its first "="; a line without "=" (a section line
// such as "[--  Position  --]") is a row of its own with an empty value.
struct SettingsRow {
    std::string key;
    std::string value;
    bool operator==(const SettingsRow&) const = default;
};

// The rows of a settings file's text, one per non-empty line, in the file's order.
std::vector<SettingsRow> SettingsRows(const std::string& text);

// The viewer's refusal when the settings file has not been written yet (message 29), or nothing.
std::optional<Message> SettingsViewerRefusal(bool fileExists);

}  // namespace morvik
