#pragma once
#include <array>
#include <string>

#include "localization/TextCis.h"

namespace morvik {

// The fourteen characteristic labels (Min, Max, ..., Mode), each padded with blanks to 33 characters.
const std::array<std::string, 14>& CharacteristicLabels(Language language);
const std::array<std::string, 14>& CharacteristicLabels();  // current language

}  // namespace morvik
