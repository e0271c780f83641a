#include "localization/MainWindowTexts.h"

#include "localization/CaptionSets.h"

namespace morvik {

std::array<std::string, 5> CBTypHistItems(Language language)
{
    std::array<std::string, 5> items;
    items[0] = "Histogram";
    const auto set = MainWindowCaptionSet(language);
    for (int i = 1; i < 5; ++i) items[i] = std::string(FindItem(set, "CBTypHist", i).value_or(""));
    return items;
}

std::array<std::string, 2> CBValIndItems(Language language)
{
    return {"Index x", std::string(FindItem(MainWindowCaptionSet(language), "CBValInd", 1).value_or(""))};
}

const std::array<std::string, 5>& CBMarksItems()
{
    static const std::array<std::string, 5> items = {"P(x)", "x", "x & P(x)", "INT", "INT & P(x)"};
    return items;
}

std::string MainBottomAxisTitle(bool indexLabels, Language language)
{
    return indexLabels ? std::string("Index   x") : TextCis(157, language);
}

std::string MainLeftAxisTitle(Language language) { return TextCis(156, language); }

std::string MainChartHint(bool zoomed, Language language) { return TextCis(zoomed ? 54 : 53, language); }

std::string MainWindowTitle(Language language, const std::string& version)
{
    return std::string("M o r v i k  -  ") + (language == Language::Czech ? "Verze " : "Version ") + version;
}

std::string HintWithName(std::string_view hint, std::string_view name)
{
    const std::string suffix = " : " + std::string(name);
    const auto bar = hint.find('|');
    if (bar == std::string_view::npos) return std::string(hint) + suffix;
    return std::string(hint.substr(0, bar)) + suffix + "|" + std::string(hint.substr(bar + 1)) + suffix;
}

std::string NameWithoutExtension(std::string_view name)
{
    std::string result(name);
    const auto dot = result.find('.');
    if (dot != std::string::npos) result.erase(dot, 4);
    return result;
}

std::span<const HintSource> ToolbarHintSources()
{
    static constexpr HintSource sources[] = {
        {"BNovy", "Novyhistogram1"},
        {"BitBtn1", "Otevthistogram1"},
        {"SpeedButton1", "ReOpen1"},
        {"OtevriWord", "OtevriWord1"},
        {"UlozOkno", "UlozOkno1"},
        {"BitBtn10", "Konec1"},
        {"BitBtn8", "Barvy1"},
        {"BitBtn9", "DefaultNast1"},
        {"BitBtn11", "Zasobnik1"},
        {"BitBtn37", "TextAdobe"},
        {"VolejPicture", "VolejPicture1"},
        {"BitBtn2", "ProhlSoubor1"},
        {"OAdresach", "OAdresach1"},
        {"OVerzi", "OVerzi1"},
        {"OProgramu", "OProgramu1"},
    };
    return sources;
}

std::span<const HintSource> NamedHintSources()
{
    static constexpr HintSource sources[] = {
        {"UlozHist", "Ulozit3"},   {"UlozVysl", "Ulozit2"},          {"Popis", "PopisVysledku1"},
        {"UlozGraf", "UlozGraf1"}, {"KrivkaTrvani", "KrivkaTrvZat"}, {"VypisHist", "VypisVstHist", true},
    };
    return sources;
}

}  // namespace morvik
