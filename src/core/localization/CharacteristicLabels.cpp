#include "localization/CharacteristicLabels.h"

#include "common/NumberText.h"

namespace morvik {
namespace {

std::array<std::string, 14> Padded(std::array<const char*, 14> labels)
{
    std::array<std::string, 14> result;
    for (size_t i = 0; i < labels.size(); ++i) result[i] = PadRight(labels[i], 33);
    return result;
}

}  // namespace

const std::array<std::string, 14>& CharacteristicLabels(Language language)
{
    static const std::array<std::string, 14> czech =
        Padded({"Min", "Max", "Počet intervalů", "Součet četností", "Střední hodnota", "Rozptyl", "Směrodatná odchylka",
                "Průměrná (střední) odchylka", "Variační koeficient [%]", "Koeficient šikmosti",
                "Koeficient koncentrace", "Koeficient špičatosti (excesu)", "Median", "Mode"});
    static const std::array<std::string, 14> english =
        Padded({"Min", "Max", "Number of intervals", "frequency numbers", "Average", "Dispersion", "standard deviation",
                "Average (central) deviation", "Coefficient of variation [%]", "Coefficient of skewness",
                "Coefficient of concentration", "Coefficient of kurtosis (express)", "Median", "Mode"});
    return language == Language::Czech ? czech : english;
}

const std::array<std::string, 14>& CharacteristicLabels() { return CharacteristicLabels(CurrentLanguage()); }

}  // namespace morvik
