#pragma once
#include <array>
#include <span>
#include <string_view>

#include "localization/CaptionSets.h"

namespace morvik {

// The version window (TForm2): its title, the program's line, the authors, the institution, the contact
// buttons and labels and the development note.
std::span<const CaptionText> VersionWindowCaptionSet(Language language);
// The settings-file viewer (TForm6): its title and the headings of the key/value grid's two columns (named
// "KeyColumn" and "ValueColumn"; the grid's own cells hold the file).
std::span<const CaptionText> SettingsViewerCaptionSet(Language language);

// A contact of the version window: the button or label that carries it and the address its mail link opens.
struct ContactAddress {
    std::string_view objectName;
    std::string_view address;
};
const std::array<ContactAddress, 5>& VersionWindowContacts();

// The built-in help viewer's title (the help-viewer counterpart of the web-page help).
std::string_view HelpViewerTitle(Language language);

}  // namespace morvik
