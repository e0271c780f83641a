#include "shell/GraphTargetSetting.h"

#include "shell/WindowPlacement.h"

namespace morvik {
namespace {

constexpr const char* GraphTargetKey = "Form1 Graf do";

}  // namespace

GraphTarget ReadGraphTarget(const SettingsFile& settings)
{
    return GraphTargetFromCode(settings.ReadInteger(NastaveniSection, GraphTargetKey, 0));
}

void WriteGraphTarget(SettingsFile& settings, GraphTarget target)
{
    settings.WriteInteger(NastaveniSection, GraphTargetKey, GraphTargetCode(target));
}

}  // namespace morvik
