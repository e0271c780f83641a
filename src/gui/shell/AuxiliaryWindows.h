#pragma once
#include <memory>
#include <string>

#include "shell/HelpPages.h"

namespace morvik {

class HelpViewer;
class MainWindow;
class SettingsViewer;
class VersionWindow;
struct WindowContext;

// The main window's auxiliary windows and commands: the version window (OVerzi), the settings viewer
// (VypisIniSouboru) and the help (OProgramu) as a web page in the desktop's browser (HTML1) or in the built-in
// viewer (WIN1). Created once at start-up, hidden until asked for.
class AuxiliaryWindows {
public:
    AuxiliaryWindows(MainWindow& main, WindowContext& context, std::string version);
    ~AuxiliaryWindows();
    AuxiliaryWindows(const AuxiliaryWindows&) = delete;
    AuxiliaryWindows& operator=(const AuxiliaryWindows&) = delete;

    VersionWindow* Version() const { return version_.get(); }
    SettingsViewer* Viewer() const { return viewer_.get(); }
    HelpViewer* Help() const { return help_.get(); }

    // The help command.
    void ShowHelp();

private:
    MainWindow& main_;
    WindowContext& context_;
    HelpCommand helpCommand_;
    std::unique_ptr<VersionWindow> version_;
    std::unique_ptr<SettingsViewer> viewer_;
    std::unique_ptr<HelpViewer> help_;
};

}  // namespace morvik
