#include "shell/WindowPlacement.h"

#include <array>

namespace morvik {
namespace {

// The four keys of a window (with the spelling written to the file; reading ignores case) and its sizes.
// A width of 0 stands for the screen width.
struct PositionKeys {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
    int defaultWidth, defaultHeight;
    int resetWidth, resetHeight;
};

constexpr PositionKeys NoKeys{nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0};

constexpr std::array<PositionKeys, 20> Windows = {{
    NoKeys,  // forms are numbered from 1
    {"Prob_u-Form1.left", "Prob_u-Form1.top", "Prob_u-Form1.width", "Prob_u-Form1.height", 700, 496, 720, 500},
    {"Prob2_u-Form2.left", "Prob2_u-Form2.top", "Prob2_u-Form2.Width", "Prob2_u-Form2.Height", 370, 550, 370, 550},
    {"TabVypisu-Form3.left", "TabVypisu-Form3.top", "TabVypisu-Form3.width", "TabVypisu-Form3.height", 575, 600, 575,
     600},
    {"TabVstupu-Form4.left", "TabVstupu-Form4.top", "TabVstupu-Form4.width", "TabVstupu-Form4.height", 220, 600, 220,
     600},
    {"TabColor-Form5.left", "TabColor-Form5.top", "TabColor-Form5.Width", "TabColor-Form5.Height", 590, 329, 590, 329},
    {"TabVypisIni-Form6.left", "TabVypisIni-Form6.top", "TabVypisIni-Form6.Width", "TabVypisIni-Form6.Height", 500, 355,
     500, 355},
    {"SumarniHistogram-Form7.left", "SumarniHistogram-Form7.top", "SumarniHistogram-Form7.width",
     "SumarniHistogram-Form7.height", 800, 460, 770, 440},
    {"Kombinace-Form8.left", "Kombinace-Form8.top", "Kombinace-Form8.Width", "Kombinace-Form8.Height", 750, 322, 750,
     322},
    {"TabVypisuDis-Form9.left", "TabVypisuDis-Form9.top", "TabVypisuDis-Form9.width", "TabVypisuDis-Form9.height", 565,
     600, 565, 600},
    {"KrivkaTrvani-Form10.left", "KrivkaTrvani-Form10.top", "KrivkaTrvani-Form10.width", "KrivkaTrvani-Form10.height",
     704, 400, 704, 400},
    {"GrafKoSu-Form11left", "GrafKoSu-Form11top", "GrafKoSu-Form11Width", "GrafKoSu-Form11Height", 750, 400, 750, 400},
    {"ParamRozdel-Form12.left", "ParamRozdel-Form12.top", "ParamRozdel-Form12.width", "ParamRozdel-Form12.height", 886,
     597, 886, 597},
    {"TabVypisuKT-Form13.left", "TabVypisuKT-Form13.top", "TabVypisuKT-Form13.width", "TabVypisuKT-Form13.height", 220,
     300, 220, 300},
    {"PrvotniData-Form14.left", "PrvotniData-Form14.top", "PrvotniData-Form14.width", "PrvotniData-Form14.height", 1000,
     590, 1000, 590},
    {"VypisHist-Form15.left", "VypisHist-Form15.top", "VypisHist-Form15.width", "VypisHist-Form15.height", 400, 600,
     400, 600},
    NoKeys,  // TForm16 is never shown
    NoKeys,  // TForm17, the splash window
    {"PopisHistogramu-Form18.left", "PopisHistogramu-Form18.top", "PopisHistogramu-Form18.Width",
     "PopisHistogramu-Form18.Height", 270, 479, 270, 479},
    {"TabChar-Form19.left", "TabChar-Form19.top", "TabChar-Form19.width", "TabChar-Form19.height", 0, 600, 0, 600},
}};

const PositionKeys& KeysOf(int formNumber)
{
    return formNumber >= 1 && formNumber < static_cast<int>(Windows.size()) ? Windows[formNumber] : NoKeys;
}

int OrScreen(int width, int screenWidth) { return width == 0 ? screenWidth : width; }

}  // namespace

bool HasPositionKeys(int formNumber) { return KeysOf(formNumber).left != nullptr; }

WindowPlacement DefaultWindowPlacement(int formNumber, int screenWidth)
{
    const PositionKeys& keys = KeysOf(formNumber);
    return {0, 0, OrScreen(keys.defaultWidth, screenWidth), keys.defaultHeight};
}

WindowPlacement ResetWindowPlacement(int formNumber, int screenWidth)
{
    const PositionKeys& keys = KeysOf(formNumber);
    return {0, 0, OrScreen(keys.resetWidth, screenWidth), keys.resetHeight};
}

WindowPlacement ReadWindowPlacement(const SettingsFile& settings, int formNumber, int screenWidth)
{
    WindowPlacement placement = DefaultWindowPlacement(formNumber, screenWidth);
    if (!HasPositionKeys(formNumber)) return placement;
    const PositionKeys& keys = KeysOf(formNumber);
    placement.left = settings.ReadInteger(PositionSection, keys.left, placement.left);
    placement.top = settings.ReadInteger(PositionSection, keys.top, placement.top);
    // A window of no size could never be seen again: such a value counts as damaged.
    const int width = settings.ReadInteger(PositionSection, keys.width, placement.width);
    const int height = settings.ReadInteger(PositionSection, keys.height, placement.height);
    if (width > 0) placement.width = width;
    if (height > 0) placement.height = height;
    return placement;
}

void WriteWindowPlacement(SettingsFile& settings, int formNumber, const WindowPlacement& placement)
{
    if (!HasPositionKeys(formNumber)) return;
    const PositionKeys& keys = KeysOf(formNumber);
    settings.WriteInteger(PositionSection, keys.left, placement.left);
    settings.WriteInteger(PositionSection, keys.top, placement.top);
    settings.WriteInteger(PositionSection, keys.width, placement.width);
    settings.WriteInteger(PositionSection, keys.height, placement.height);
}

}  // namespace morvik
