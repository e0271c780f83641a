// Any bytes given as the settings file end in settings (defaults where a key is damaged), never in a crash:
// the file's text is loaded as the program loads it and every window's keys are read. Settings written from it
// read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "shell/ChartWindowSettings.h"
#include "shell/MainWindowSettings.h"
#include "shell/ReOpenStack.h"
#include "shell/SettingsFile.h"
#include "shell/WindowPlacement.h"

using namespace morvik;

namespace {

void ReadEveryKey(const SettingsFile& settings)
{
    const MainWindowSettings main = ReadMainWindowSettings(settings);
    (void)main;
    const ReOpenStack stack = ReadReOpenStack(settings);
    (void)stack;
    for (int form = 1; form <= 19; ++form) {
        const WindowPlacement place = ReadWindowPlacement(settings, form, 1024);
        (void)place;
        const ChartWindowSettings chart = ReadChartWindowSettings(settings, form);
        (void)chart;
        const GenerationFields fields = ReadGenerationFields(settings, form);
        (void)fields;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // SettingsFile::Load reads the file (capped, tested on its own) and hands its text to FromText.
    const SettingsFile settings = SettingsFile::FromText(std::string(reinterpret_cast<const char*>(data), size));
    ReadEveryKey(settings);

    // What the program writes back at its end holds the main-window settings it read.
    SettingsFile written = SettingsFile::FromText(settings.Text());
    const MainWindowSettings main = ReadMainWindowSettings(settings);
    WriteMainWindowSettings(written, main);
    fuzz::Require(ReadMainWindowSettings(SettingsFile::FromText(written.Text())) == main);
    return 0;
}
