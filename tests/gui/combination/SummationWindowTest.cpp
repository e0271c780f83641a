// The summation window: the row graph of a loaded histogram, the caption sets of the table and its graph, the
// weight column's key filter, the fill-in questions of the computation, the .sum table file, and the result
// handed over on close.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "GuiTest.h"
#include "TableWindowTestSupport.h"
#include "chart/ChartColour.h"
#include "chart/ChartView.h"
#include "combination/RowGraphWindow.h"
#include "combination/SummationTable.h"
#include "combination/SummationWindow.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "kit/IntervalTableView.h"
#include "localization/TextCis.h"
#include "shell/MainWindowSettings.h"

using namespace morvik;
using namespace morvik::test;

namespace {

struct SummationFixture {
    SummationFixture() : window(folders.context)
    {
        SetLanguage(Language::English);
        window.ApplyLanguage(Language::English);
        window.Start();
        window.activateWindow();  // as the user sees it: the table has the focus
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid = window.findChild<QTableWidget*>(QStringLiteral("StrGrSumaProm"));
    }
    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }

    void LoadRow(int row, const std::string& path)
    {
        ClickCell(grid, row, 2);
        QToolButton* open = OfferedButton(&window, "OtevHistSuma");
        QVERIFY(open);
        dialogs.AnswerPath(path);
        open->click();
    }

    TableWindowFolders folders;
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    SummationWindow window;
    QTableWidget* grid = nullptr;
};

}  // namespace

class SummationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheRowGraphInEitherLanguage()
    {
        SummationFixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("TForm7"));
        QCOMPARE(f.window.size(), QSize(770, 440));
        QCOMPARE(Text(f.grid, 16, 0), QStringLiteral("   16"));
        f.LoadRow(
            1, f.folders.WriteHistogram("Verosal/Histograms/Tests", "dice.v1.dis", "0.5", "6.5", {1, 2, 3, 4, 5, 6}));

        ClickCell(f.grid, 2, 6);  // an empty row has no graph
        QVERIFY(!OfferedButton(&f.window, "GrafHistSuma"));
        ClickCell(f.grid, 1, 6);
        QToolButton* graphButton = OfferedButton(&f.window, "GrafHistSuma");
        QVERIFY(graphButton);
        graphButton->click();

        RowGraphWindow& graph = f.window.GraphWindow();
        QCOMPARE(graph.objectName(), QStringLiteral("TForm11"));
        QVERIFY(graph.isVisible());
        const ChartModel& chart = graph.Chart()->model();
        QCOMPARE(chart.titleLines.at(1), std::string("Histogram : dice"));
        QCOMPARE(static_cast<int>(chart.main.bars.size()), 6);
        QCOMPARE(chart.main.bars.back().label, std::string("6.00000"));  // the last label is Max itself
        QCOMPARE(chart.main.bars.front().colour, ReadMainWindowSettings(f.folders.context.settings).colours.bars);
        // The main window's options as they stand: index labels and its bar colour.
        MainWindowSettings options;
        options.index1 = true;
        options.colours.bars = RgbColour(1, 2, 3);
        f.window.SetMainOptions([&options] { return options; });
        ClickCell(f.grid, 1, 6);
        OfferedButton(&f.window, "GrafHistSuma")->click();
        QCOMPARE(chart.main.bars.back().label, std::string("5"));
        QCOMPARE(chart.main.bars.back().colour, RgbColour(1, 2, 3));
        auto* summary = graph.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        auto* intervals = graph.findChild<IntervalTableView*>(QStringLiteral("StringGrid2"));
        QCOMPARE(Text(summary, 2, 1), QStringLiteral(" 6"));
        QCOMPARE(Text(summary, 2, 0), QStringLiteral("Number of intervals"));
        QCOMPARE(intervals->rowCount(), 2 * 6 + 3);
        QCOMPARE(intervals->Text(14, 1), QString::fromStdString(TextCis(127)));
        QCOMPARE(intervals->Background(4, 1), ToQColor(RgbColour(0xFF, 0xFF, 0xC1)));

        f.window.ApplyLanguage(Language::Czech);
        QCOMPARE(Text(f.grid, 0, 8), QStringLiteral(" Váha"));
        QCOMPARE(Text(summary, 2, 0), QStringLiteral("Počet intervalů"));
        QCOMPARE(Text(f.grid, 1, 2), QStringLiteral("dice.v1.dis"));  // the rows stay
        f.window.ApplyLanguage(Language::English);
        QCOMPARE(Text(f.grid, 0, 8), QStringLiteral(" Weight"));

        // A quick look: turning back to the table closes the graph.
        QApplication::setActiveWindow(&graph);
        QVERIFY(graph.isVisible());
        QApplication::setActiveWindow(&f.window);
        QVERIFY(!graph.isVisible());
    }

    void fillsMissingValuesComputesAndHandsOverTheResult()
    {
        SummationFixture f;
        const std::string loads = "Verosal/Histograms/Loads";
        f.LoadRow(1, f.folders.WriteHistogram(loads, "small.dis", "-0.5", "1.5", {1, 1}));
        f.LoadRow(2, f.folders.WriteHistogram(loads, "large.dis", "-0.5", "1.5", {1, 3}));
        // A weight cannot be typed negative.
        TypeIntoCell(f.grid, 1, 8, QStringLiteral("-2"));
        QCOMPARE(Text(f.grid, 1, 8), QStringLiteral("2"));

        f.dialogs.AnswerYes();
        f.dialogs.AnswerYes();
        f.Button("VypocetSuma")->click();
        QCOMPARE(f.dialogs.Recorded().size(), size_t(4));  // two open dialogs, then the two questions
        QCOMPARE(f.dialogs.Recorded().at(2).text, TextCis(69));
        QCOMPARE(f.dialogs.Recorded().at(3).text, TextCis(65));
        QCOMPARE(Text(f.grid, 2, 1), QStringLiteral("1.0"));
        QCOMPARE(Text(f.grid, 2, 8), QStringLiteral("1.0"));
        QVERIFY(f.window.Table().Done());
        QCOMPARE(f.window.GraphWindow().Chart()->model().titleLines.at(1), TextCis(56));

        // The table file keeps what was typed.
        const std::string file = f.folders.context.folders.ResultsFolder + "/mix.sum";
        f.dialogs.AnswerPath(file);
        f.Button("SaveSuma")->click();
        QCOMPARE(f.dialogs.Last().file.fileName, TextCis(72));
        QCOMPARE(f.dialogs.Last().file.defaultSuffix, std::string("sum"));
        SummationTable reread;
        QVERIFY(!reread.OpenTable(file));
        QCOMPARE(reread.Cell(1, 8), std::string("2"));
        QCOMPARE(reread.Cell(2, 2), std::string("large.dis"));

        QSignalSpy results(&f.window, &ToolWindow::resultReady);
        f.window.findChild<QPushButton*>(QStringLiteral("ExitForm7"))->click();
        QCOMPARE(results.count(), 1);
        const auto result = results.at(0).at(0).value<PublishedResult>();
        QCOMPARE(result.name, std::string(SummationTable::ResultName));
        QVERIFY(result.histogram == f.window.Table().Result());
        QCOMPARE(result.histogram.Total, 2.0 * 2 + 4.0 * 1);  // the rows' Totals times their weights
        QVERIFY(f.dialogs.Mismatches().empty());
    }
};

MORVIK_GUI_TEST(SummationWindowTest);
#include "SummationWindowTest.moc"
