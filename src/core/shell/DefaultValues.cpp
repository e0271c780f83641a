#include "shell/DefaultValues.h"

#include "shell/ChartWindowSettings.h"
#include "shell/WindowPlacement.h"

namespace morvik {

void WriteDefaultWindowValues(SettingsFile& settings, int screenWidth)
{
    for (int form = 2; form <= 19; ++form) {
        if (HasPositionKeys(form)) WriteWindowPlacement(settings, form, ResetWindowPlacement(form, screenWidth));
    }
    for (int form : {10, 12, 14}) WriteChartWindowSettings(settings, form, ChartWindowSettings{});
    for (int form : {12, 14}) WriteGenerationFields(settings, form, ResetGenerationFields());
}

}  // namespace morvik
