#include "windows/ProgramWindows.h"

#include <QApplication>
#include <QCheckBox>
#include <algorithm>

#include "shell/DefaultValues.h"
#include "windows/ToolWindow.h"
#include "windows/WindowContext.h"

namespace morvik {

std::vector<ToolWindow*> ProgramWindows(const WindowContext& context)
{
    std::vector<ToolWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<ToolWindow*>(widget);
        if (window && &window->Context() == &context) windows.push_back(window);
    }
    std::stable_sort(windows.begin(), windows.end(),
                     [](const ToolWindow* a, const ToolWindow* b) { return a->FormNumber() < b->FormNumber(); });
    return windows;
}

void ResetProgramWindows(WindowContext& context, int screenWidth)
{
    WriteDefaultWindowValues(context.settings, screenWidth);
    for (ToolWindow* window : ProgramWindows(context)) {
        if (window->isMaximized() || window->isMinimized()) window->showNormal();
        window->ReadSettings();
        const int form = window->FormNumber();
        if (form != 10 && form != 12 && form != 14) continue;
        if (auto* marks = window->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))) {
            const QSignalBlocker quiet(marks);
            marks->setChecked(false);
        }
    }
}

}  // namespace morvik
