#include "mainwindow/ToolWindows.h"

#include "mainwindow/MainWindow.h"
#include "windows/ToolWindow.h"
#include "windows/WindowContext.h"

namespace morvik {

ToolWindows::ToolWindows(MainWindow& main, WindowContext& context)
{
    (void)main;
    (void)context;
}

ToolWindows::~ToolWindows() = default;

}  // namespace morvik
