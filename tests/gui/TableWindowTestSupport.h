#pragma once
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/Folders.h"
#include "shell/SettingsFile.h"
#include "windows/WindowContext.h"

namespace morvik::test {

// A run's context over a temporary documents folder whose family tree exists, as after start-up.
class TableWindowFolders {
public:
    TableWindowFolders()
        : context{SettingsFile::FromText(""),
                  MakeFolders(temp_.path().toStdString() + "/Documents", temp_.path().toStdString() + "/data")}
    {
        for (const std::string& folder : context.folders.FamilyTree()) std::filesystem::create_directories(folder);
    }

    // Writes a Discrete histogram of the given frequencies into a folder below the documents folder.
    std::string WriteHistogram(const std::string& relativeFolder, const std::string& name, const std::string& min,
                               const std::string& max, const std::vector<int>& frequencies) const
    {
        int total = 0;
        std::string bins;
        for (int f : frequencies) {
            total += f;
            bins += std::to_string(f) + "\r\n";
        }
        const std::filesystem::path folder = std::filesystem::path(context.folders.DocumentsFolder) / relativeFolder;
        std::filesystem::create_directories(folder);
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary)
            << "[Description]\r\nIdentification=" << name << "\r\nType=Discrete\r\nForm=Frequency\r\n\r\n"
            << "[Parameters]\r\nMin=" << min << "\r\nMax=" << max << "\r\nBins=" << frequencies.size()
            << "\r\nTotal=" << total << "\r\n\r\n[Bins]\r\n"
            << bins;
        return path;
    }

private:
    QTemporaryDir temp_;

public:
    WindowContext context;
};

inline QString Text(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

// A mouse click on a cell, as the user makes it.
inline void ClickCell(QTableWidget* grid, int row, int column)
{
    QTableWidgetItem* item = grid->item(row, column);
    QVERIFY(item);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

// Types `keys` into an empty cell as the user does (the first key opens the editor), through the key filter,
// and ends the edit with Enter.
inline void TypeIntoCell(QTableWidget* grid, int row, int column, const QString& keys)
{
    ClickCell(grid, row, column);
    QTest::keyClick(grid, keys.at(0).toLatin1());
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, keys.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits and closes the editor through queued calls; the closed editor is deleted later.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(grid->viewport()->findChildren<QLineEdit*>().isEmpty());
}

// The in-cell button a click on the cell offers, visible; nullptr when none shows.
inline QToolButton* OfferedButton(QWidget* window, const char* name)
{
    auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name));
    return button && button->isVisible() ? button : nullptr;
}

}  // namespace morvik::test
