// The combination window: rows are loaded through the open dialog (only from the category folders), typed
// multiples pass the key filter, the computation asks and shows its result, rows are deleted, the table goes
// to a file and back, and closing hands the result to the main window.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "GuiTest.h"
#include "TableWindowTestSupport.h"
#include "chart/ChartView.h"
#include "combination/CombinationTable.h"
#include "combination/CombinationWindow.h"
#include "combination/RowGraphWindow.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "shell/WindowPlacement.h"

using namespace morvik;
using namespace morvik::test;

namespace {

struct CombinationFixture {
    CombinationFixture() : window(folders.context)
    {
        SetLanguage(Language::English);
        window.ApplyLanguage(Language::English);
        window.Start();
        window.activateWindow();  // as the user sees it: the table has the focus
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid = window.findChild<QTableWidget*>(QStringLiteral("StrGrKombProm"));
    }
    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }

    // Clicks the file name cell of `row` and picks `path` in the open dialog.
    void LoadRow(int row, const std::string& path)
    {
        ClickCell(grid, row, 2);
        QToolButton* open = OfferedButton(&window, "OtevHistKomb");
        QVERIFY(open);
        dialogs.AnswerPath(path);
        open->click();
        QVERIFY(!OfferedButton(&window, "OtevHistKomb"));
        // The button gives the focus back without moving the current cell.
        QCOMPARE(grid->currentRow(), row);
        QCOMPARE(grid->currentColumn(), 2);
    }
    std::string Coin(const std::string& name)
    {
        return folders.WriteHistogram("Verosal/Histograms/Loads", name, "-0.5", "1.5", {1, 1});
    }

    TableWindowFolders folders;
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    CombinationWindow window;
    QTableWidget* grid = nullptr;
};

}  // namespace

class CombinationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadsRowsOnlyFromTheCategoryFoldersAndComputes()
    {
        CombinationFixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("TForm8"));
        QCOMPARE(Text(f.grid, 0, 1), QStringLiteral("Multiple"));
        QCOMPARE(Text(f.grid, 3, 0), QStringLiteral("  3"));
        QVERIFY(!f.Button("VypocetKomb")->isEnabled());

        f.LoadRow(1, f.Coin("first.dis"));
        f.LoadRow(2, f.Coin("second.dis"));
        QCOMPARE(Text(f.grid, 2, 2), QStringLiteral("second.dis"));
        QCOMPARE(Text(f.grid, 2, 6), QStringLiteral("Histograms/Loads"));
        QCOMPARE(Text(f.grid, 2, 5), QStringLiteral("2"));
        QCOMPARE(f.window.findChild<QLabel*>(QStringLiteral("MaxIntKom"))->text(), QStringLiteral("2"));
        QVERIFY(f.Button("VypocetKomb")->isEnabled());

        // Only the next empty row can be filled.
        ClickCell(f.grid, 4, 2);
        QVERIFY(!OfferedButton(&f.window, "OtevHistKomb"));

        // A file outside the six category folders is refused and the row stays empty.
        const std::string outside = f.folders.WriteHistogram("Verosal/Histograms", "loose.dis", "0", "1", {1});
        f.LoadRow(3, outside);
        QCOMPARE(f.dialogs.Last().text, CategoryFolderMessage(f.folders.context.folders.HistogramsRoot).text);
        QVERIFY(f.dialogs.Last().kind == DialogKind::Warning);
        QCOMPARE(Text(f.grid, 3, 2), QString());
        QCOMPARE(f.window.Table().FilledRows(), 2);

        f.LoadRow(2, f.Coin("second.dis"));  // a load enables the computation again
        // The key filter: "," becomes ".", "e" becomes "E", a letter is swallowed.
        TypeIntoCell(f.grid, 1, 1, QStringLiteral("1,5ex0"));
        QCOMPARE(Text(f.grid, 1, 1), QStringLiteral("1.5E0"));
        QCOMPARE(f.window.Table().Cell(1, 1), std::string("1.5E0"));

        // The missing multiple of row 2 is offered "1.0"; the user then computes again.
        f.dialogs.AnswerYes();
        f.Button("VypocetKomb")->click();
        QCOMPARE(f.dialogs.Last().text, TextCis(69));
        QCOMPARE(Text(f.grid, 2, 1), QStringLiteral("1.0"));
        QVERIFY(!f.window.GraphWindow().isVisible());

        const size_t dialogsBefore = f.dialogs.Recorded().size();
        f.Button("VypocetKomb")->click();
        QCOMPARE(f.dialogs.Recorded().size(), dialogsBefore);
        QVERIFY(f.window.Table().Done());
        QVERIFY(f.window.GraphWindow().isVisible());
        const ChartModel& chart = f.window.GraphWindow().Chart()->model();
        QCOMPARE(chart.titleLines.at(1), TextCis(55));
        QCOMPARE(static_cast<int>(chart.main.bars.size()), f.window.Table().Result().Bins);
        QVERIFY(f.dialogs.Mismatches().empty());
    }

    void deletesSavesReopensAndHandsOverTheResult()
    {
        CombinationFixture f;
        f.LoadRow(1, f.Coin("a.dis"));
        f.LoadRow(2, f.Coin("b.dis"));
        f.LoadRow(3, f.Coin("c.dis"));

        // Deleting row 2 asks first; row 3 moves up.
        ClickCell(f.grid, 2, 1);
        f.dialogs.AnswerYes();
        f.Button("DelRow")->click();
        QVERIFY(QString::fromStdString(f.dialogs.Last().text).startsWith(QString::fromStdString(TextCis(73))));
        QCOMPARE(Text(f.grid, 2, 2), QStringLiteral("c.dis"));
        QCOMPARE(Text(f.grid, 3, 2), QString());
        QCOMPARE(f.window.Table().FilledRows(), 2);

        TypeIntoCell(f.grid, 1, 1, QStringLiteral("2"));
        TypeIntoCell(f.grid, 2, 1, QStringLiteral("-1"));
        const std::string file = f.folders.context.folders.ResultsFolder + "/pair.kom";
        f.dialogs.AnswerPath(file);
        f.Button("SaveKomb")->click();
        QCOMPARE(f.dialogs.Last().file.fileName, TextCis(76));
        QCOMPARE(f.dialogs.Last().file.folder, f.folders.context.folders.ResultsFolder);
        QVERIFY(std::filesystem::exists(file));

        // Saving over the file asks; No leaves it alone.
        const auto written = std::filesystem::last_write_time(file);
        f.dialogs.AnswerPath(file);
        f.dialogs.AnswerNo();
        f.Button("SaveKomb")->click();
        QCOMPARE(f.dialogs.Last().text, FormatText(21, file) + "\r\n");
        QCOMPARE(std::filesystem::last_write_time(file), written);

        // Cancelling the open dialog keeps the table; choosing the file brings the saved rows back.
        f.dialogs.AnswerCancel();
        f.Button("OtevriKomb")->click();
        QCOMPARE(f.window.Table().FilledRows(), 2);
        f.window.Start();
        QCOMPARE(Text(f.grid, 1, 2), QString());
        QVERIFY(!f.Button("SaveKomb")->isEnabled());
        f.dialogs.AnswerPath(file);
        f.Button("OtevriKomb")->click();
        QCOMPARE(Text(f.grid, 1, 1), QStringLiteral("2"));
        QCOMPARE(Text(f.grid, 2, 1), QStringLiteral("-1"));
        QCOMPARE(Text(f.grid, 2, 2), QStringLiteral("c.dis"));
        QVERIFY(f.Button("VypocetKomb")->isEnabled());

        f.Button("VypocetKomb")->click();
        QVERIFY(f.window.Table().Done());
        QSignalSpy results(&f.window, &ToolWindow::resultReady);
        QSignalSpy closed(&f.window, &ToolWindow::closed);
        f.window.findChild<QPushButton*>(QStringLiteral("ExitForm"))->click();
        QCOMPARE(results.count(), 1);
        QCOMPARE(closed.count(), 1);
        const auto result = results.at(0).at(0).value<PublishedResult>();
        QCOMPARE(result.name, std::string(CombinationTable::ResultName));
        QVERIFY(result.kind == HistogramKind::Discrete);
        QVERIFY(result.histogram == f.window.Table().Result());
        // 2 X1 - X2 of two coins has the values -1, 0, 1, 2, put into 2 intervals of width 3.
        QCOMPARE(result.histogram.Bins, 2);
        QCOMPARE(result.histogram.Min, -1.0);
        QCOMPARE(result.histogram.Max, 2.0);
        QVERIFY(!f.window.isVisible());
        QVERIFY(!f.window.GraphWindow().isVisible());
        QVERIFY(f.folders.context.settings.HasKey(PositionSection, "Kombinace-Form8.left"));

        // Shown again, the table starts empty and a close without a computation hands nothing over.
        f.window.Start();
        f.window.close();
        QCOMPARE(results.count(), 1);
    }
};

MORVIK_GUI_TEST(CombinationWindowTest);
#include "CombinationWindowTest.moc"
