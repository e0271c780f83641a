#pragma once
#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "dialogs/ScriptedDialogSeam.h"
#include "kit/IntervalTableView.h"
#include "mainwindow/MainWindow.h"
#include "shell/Folders.h"
#include "windows/WindowContext.h"

namespace morvik::test {

// A main window over a family tree in a temporary folder, with scripted dialogs and an empty settings file.
struct MainWindowFixture {
    QTemporaryDir temp;
    WindowContext context;
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    std::unique_ptr<MainWindow> window;

    explicit MainWindowFixture(const std::string& settingsText = std::string())
    {
        context.folders = MakeFolders(temp.path().toStdString(), std::string());
        for (const std::string& folder : context.folders.FamilyTree()) std::filesystem::create_directories(folder);
        context.settings = SettingsFile::FromText(settingsText);
        window = std::make_unique<MainWindow>(context, "1.0.0");
    }

    std::string Loads() const { return context.folders.HistogramsRoot + "/Loads"; }

    // Copies a fixture into the Loads category folder and returns its new path.
    std::string Fixture(const std::string& name) const
    {
        const std::string target = Loads() + "/" + name;
        std::filesystem::copy_file(std::string(MORVIK_FIXTURES) + "/" + name, target,
                                   std::filesystem::copy_options::overwrite_existing);
        return target;
    }

    std::string Write(const std::string& path, const std::string& text) const
    {
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Opens a file through the open dialog.
    void Open(const std::string& path)
    {
        dialogs.AnswerPath(path);
        window->OpenHistogramCommand();
    }

    template <typename T>
    T* Find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    QString Cell(const char* grid, int row, int column) const
    {
        if (const auto* table = Find<IntervalTableView>(grid)) return table->Text(row, column);
        const QTableWidgetItem* item = Find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    // Types `text` into a field and leaves it.
    void Type(const char* name, const QString& text) const { Edit(name)->setText(text); }
};

}  // namespace morvik::test
