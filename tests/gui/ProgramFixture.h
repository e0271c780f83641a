#pragma once
#include <QApplication>
#include <QFile>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "MainWindowFixture.h"
#include "kit/DesktopOpener.h"
#include "mainwindow/ToolWindows.h"
#include "shell/AuxiliaryWindows.h"

namespace morvik::test {

// The whole program over a temporary family tree: the main window, every tool window and the auxiliary
// windows, with scripted dialogs, and the desktop's services replaced by a recorder that answers `desktopWorks`.
struct ProgramFixture : MainWindowFixture {
    std::unique_ptr<ToolWindows> tools;
    std::unique_ptr<AuxiliaryWindows> auxiliary;
    std::vector<QUrl> opened;
    bool desktopWorks = true;

    explicit ProgramFixture(const std::string& settingsText = std::string()) : MainWindowFixture(settingsText)
    {
        SetDesktopOpener([this](const QUrl& url) {
            opened.push_back(url);
            return desktopWorks;
        });
        tools = std::make_unique<ToolWindows>(*window, context);
        auxiliary = std::make_unique<AuxiliaryWindows>(*window, context, "1.0.0");
    }
    ~ProgramFixture()
    {
        auxiliary.reset();
        tools.reset();
        SetDesktopOpener({});
    }

    // A start folder holding the given guide pages (paths relative to it).
    std::string StartFolderWith(const std::vector<std::string>& pages)
    {
        const std::string start = temp.path().toStdString() + "/share";
        context.folders.StartFolder = start;
        for (const std::string& page : pages) {
            std::filesystem::create_directories(std::filesystem::path(start + "/" + page).parent_path());
            std::ofstream(start + "/" + page) << "<html><body><h1>" << page << "</h1></body></html>";
        }
        return start;
    }
};

}  // namespace morvik::test
