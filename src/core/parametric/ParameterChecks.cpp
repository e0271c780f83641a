#include "parametric/ParameterChecks.h"

#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

std::optional<GenerationRefusal> CheckParameters(int check, int type, const ParameterTexts& texts,
                                                 std::array<long double, 4>& values)
{
    for (int slot = 0; slot < 4; ++slot) {
        const auto value = ParseDouble(texts[static_cast<size_t>(slot)]);
        if (!value) {
            std::string text = TextCis(msg::InvalidParameter) + "\r\n\r\n" + "        " +
                               TextCis(msg::SpecifiedParameter) + ParameterCaption(type, slot) + " : " +
                               texts[static_cast<size_t>(slot)];
            return GenerationRefusal{Message::Error(std::move(text)), slot + 1, true};
        }
        values[static_cast<size_t>(slot)] = *value;
    }
    if (check == 1 || check == 2) {
        const int slot = check - 1;
        if (!(values[static_cast<size_t>(slot)] > 0)) {
            std::string text = TextCis(msg::ParameterWord) + "\r\n\r\n" + "     " + ParameterCaption(type, slot) +
                               TextCis(msg::NotPositiveSuffix);
            return GenerationRefusal{Message::Error(std::move(text)), slot + 1, false};
        }
    }
    return std::nullopt;
}

}  // namespace morvik
