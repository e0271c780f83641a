// The texts of the version window and of the settings-file viewer in both languages. The version label itself
// (text 62 and the version) is written by the window, since the version is known only at run time.
#include "localization/AuxiliaryCaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

// The contact addresses are the project's own (placeholders until the project names real ones); the window
// writes each onto its button or label, the same in both languages.
constexpr std::array<ContactAddress, 5> Contacts = {{
    {"BitBtn1", "morvik@example.org"},
    {"BitBtn2", "morvik-help@example.org"},
    {"BitBtn3", "morvik-bugs@example.org"},
    {"Label4", "morvik-dev@example.org"},
    {"Label5", "morvik-docs@example.org"},
}};

constexpr CaptionText VersionCzech[] = {
    Title("  Morvik  -  O verzi"),
    Caption("Label1", "M o r v i k"),
    Caption("Label6", "Analýza omezených histogramů pro pravděpodobnostní navrhování"),
    Caption("Label9", "Autoři"),
    Caption("Label13", "Vývojáři projektu Morvik"),
    Caption("Label14", "Skupina spolehlivosti konstrukcí"),
    Caption("Label15", "Vyvinuto v jazyce C++20 s knihovnou Qt 6"),
    Caption("Label16", "Připraveno v systému Debian GNU/Linux 12"),
    Caption("Label17", "Program se dále vyvíjí, připomínky jsou vítány."),
    Hint("BitBtn1", "Napsat e-mail | Otevře poštovní program s novou zprávou na tuto adresu"),
    Hint("BitBtn2", "Napsat e-mail | Otevře poštovní program s novou zprávou na tuto adresu"),
    Hint("BitBtn3", "Napsat e-mail | Otevře poštovní program s novou zprávou na tuto adresu"),
    Hint("Label4", "Napsat e-mail | Otevře poštovní program s novou zprávou na tuto adresu"),
    Hint("Label5", "Napsat e-mail | Otevře poštovní program s novou zprávou na tuto adresu"),
};
constexpr CaptionText VersionEnglish[] = {
    Title("  Morvik  -  About version"),
    Caption("Label1", "M o r v i k"),
    Caption("Label6", "Analysis of bounded histograms for probabilistic design"),
    Caption("Label9", "Authors"),
    Caption("Label13", "The Morvik developers"),
    Caption("Label14", "Structural reliability group"),
    Caption("Label15", "Developed in C++20 with Qt 6"),
    Caption("Label16", "Prepared on Debian GNU/Linux 12"),
    Caption("Label17", "The program is still developed; comments are welcome."),
    Hint("BitBtn1", "Write an e-mail | Opens the mail program with a new message to this address"),
    Hint("BitBtn2", "Write an e-mail | Opens the mail program with a new message to this address"),
    Hint("BitBtn3", "Write an e-mail | Opens the mail program with a new message to this address"),
    Hint("Label4", "Write an e-mail | Opens the mail program with a new message to this address"),
    Hint("Label5", "Write an e-mail | Opens the mail program with a new message to this address"),
};

constexpr CaptionText ViewerCzech[] = {
    Title("  Morvik :   Inicializační soubor - Morvik.INI"),
    Caption("KeyColumn", "Klíč"),
    Caption("ValueColumn", "Hodnota"),
};
constexpr CaptionText ViewerEnglish[] = {
    Title("  Morvik :   Initial file - Morvik.INI"),
    Caption("KeyColumn", "Key"),
    Caption("ValueColumn", "Value"),
};

}  // namespace

std::span<const CaptionText> VersionWindowCaptionSet(Language language)
{
    if (language == Language::Czech) return VersionCzech;
    return VersionEnglish;
}

std::span<const CaptionText> SettingsViewerCaptionSet(Language language)
{
    if (language == Language::Czech) return ViewerCzech;
    return ViewerEnglish;
}

const std::array<ContactAddress, 5>& VersionWindowContacts() { return Contacts; }

std::string_view HelpViewerTitle(Language language)
{
    return language == Language::Czech ? "  Morvik :   Nápověda" : "  Morvik :   Help";
}

}  // namespace morvik
