// The frequency and probability tables: opened from the main window as TForm3 or TForm9 by the histogram's kind
// (and refused without one), their rows, the shading that follows the main window's query and its plain-table
// option, the spreadsheet export opened by the desktop or warned about, closing on the loss of the activation,
// and their texts in both languages.
#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/ChartColour.h"
#include "common/NumberText.h"
#include "editor/HistogramTableWindow.h"
#include "editor/HistogramWorkbook.h"
#include "kit/DesktopOpener.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/TableWindows.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;

namespace {

const QColor Plain = ToQColor(RgbColour(255, 255, 193));
const QColor ValueMarked = ToQColor(RgbColour(255, 215, 176));
const QColor QuantileMarked = ToQColor(RgbColour(193, 193, 255));
const QColor Totals = ToQColor(RgbColour(255, 203, 179));

struct TableFixture : test::MainWindowFixture {
    using MainWindowFixture::MainWindowFixture;
    ToolWindows tools{*window, context};
    HistogramTableWindow& values = *tools.Tables().ValueTable();
    HistogramTableWindow& intervals = *tools.Tables().IntervalTable();

    // The command as the user gives it, by the tool button.
    void Describe() { Find<QToolButton>(names::Popis)->click(); }
    static QTableWidget* Grid(HistogramTableWindow& table)
    {
        return table.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    }
    static QString Text(HistogramTableWindow& table, int row, int column)
    {
        return Grid(table)->item(row, column)->text();
    }
    static QColor Background(HistogramTableWindow& table, int row, int column)
    {
        return Grid(table)->item(row, column)->background().color();
    }
    static bool Shaded(HistogramTableWindow& table, int row, int column)
    {
        return Grid(table)->item(row, column)->background().style() != Qt::NoBrush;
    }
};

}  // namespace

class HistogramTableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::Czech); }

    void refusedWithoutAHistogram()
    {
        TableFixture f;
        QVERIFY(!f.Action(names::PopisVysledku1)->isEnabled());
        QVERIFY(!f.Find<QWidget>(names::Popis)->isEnabled());
        // Even when reached some other way: message 25 and no table.
        f.Action(names::PopisVysledku1)->setEnabled(true);
        f.Action(names::PopisVysledku1)->trigger();
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        QCOMPARE(f.dialogs.Last().text, TextCis(25));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QVERIFY(!f.values.isVisible());
        QVERIFY(!f.intervals.isVisible());
    }

    void aPureDiscreteHistogramInTheValueTable()
    {
        TableFixture f;
        f.Open(f.Fixture("dice.dis"));
        QCOMPARE(f.window->Model().Kind, HistogramKind::PureDiscrete);
        f.Describe();
        QVERIFY(f.values.isVisible());
        QVERIFY(!f.intervals.isVisible());
        QCOMPARE(f.values.objectName(), QString("TForm3"));
        QCOMPARE(f.values.windowTitle(), QString("dice"));
        QCOMPARE(f.values.toolTip(), QString("dice"));
        QVERIFY(f.values.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        // Headings, six values with their running sums, the totals.
        QTableWidget* grid = TableFixture::Grid(f.values);
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(TableFixture::Text(f.values, 0, 3), QString::fromStdString(" " + TextCis(122)));
        QCOMPARE(TableFixture::Text(f.values, 2, 1), QString::fromStdString(StrNaCarku(2)));
        QCOMPARE(TableFixture::Text(f.values, 3, 4), QString::fromStdString("    " + StrNaCarku(0.5)));
        QCOMPARE(TableFixture::Text(f.values, 7, 1), QString::fromStdString(TextCis(49)));
        QCOMPARE(TableFixture::Text(f.values, 7, 3), QString::fromStdString(TCetnost(12, 6)));
        // Every value row light yellow without a query; the totals in columns 1 to 3.
        for (int row = 1; row <= 6; ++row) QCOMPARE(TableFixture::Background(f.values, row, 4), Plain);
        QVERIFY(!TableFixture::Shaded(f.values, 7, 0));
        QCOMPARE(TableFixture::Background(f.values, 7, 2), Totals);
        QVERIFY(!TableFixture::Shaded(f.values, 0, 1));

        // The value query x = 3 marks the values whose x - Width lies below it: 1, 2 and 3.
        f.values.close();
        f.Type(names::EditXY, "3");
        f.window->ValueQueryExit();
        f.Describe();
        for (int row = 1; row <= 3; ++row) QCOMPARE(TableFixture::Background(f.values, row, 0), ValueMarked);
        QCOMPARE(TableFixture::Background(f.values, 4, 0), Plain);
        // The main window is left as it was.
        QCOMPARE(f.Edit(names::EditXY)->text(), QString("3"));
        QCOMPARE(f.window->Model().Name, std::string("dice"));
    }

    void aDiscreteHistogramInTheIntervalTable()
    {
        TableFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Type(names::EditP, "0.35");
        f.window->QuantileQueryExit();
        f.Action(names::PopisVysledku1)->trigger();
        QVERIFY(f.intervals.isVisible());
        QVERIFY(!f.values.isVisible());
        QCOMPARE(f.intervals.objectName(), QString("TForm9"));
        QCOMPARE(f.intervals.windowTitle(), QString("uniform"));

        // Headings, the lower edge, ten intervals each with its upper edge, the totals.
        QTableWidget* grid = TableFixture::Grid(f.intervals);
        QCOMPARE(grid->rowCount(), 23);
        QCOMPARE(TableFixture::Text(f.intervals, 1, 1), QString::fromStdString(StrNaCarku(0)));
        QCOMPARE(TableFixture::Text(f.intervals, 1, 4), QString::fromStdString("    " + StrNaCarku(0)));
        QCOMPARE(TableFixture::Text(f.intervals, 2, 1), QString::fromStdString(StrNaCarku(0.5)));
        QCOMPARE(TableFixture::Text(f.intervals, 21, 0), QString());
        QCOMPARE(TableFixture::Text(f.intervals, 21, 1), QString::fromStdString(StrNaCarku(10)));
        QCOMPARE(TableFixture::Text(f.intervals, 21, 4), QString::fromStdString("    " + StrNaCarku(1)));
        // P = 0.35: the intervals whose probability before them is below it, 1 to 4; edge rows never shaded.
        for (int interval = 1; interval <= 4; ++interval) {
            QCOMPARE(TableFixture::Background(f.intervals, 2 * interval, 1), QuantileMarked);
        }
        QCOMPARE(TableFixture::Background(f.intervals, 10, 1), Plain);
        QVERIFY(!TableFixture::Shaded(f.intervals, 3, 1));

        // With the plain-table option only the totals keep their colour.
        f.intervals.close();
        f.Action(names::Ne1)->trigger();
        f.Describe();
        QVERIFY(!TableFixture::Shaded(f.intervals, 2, 1));
        QCOMPARE(TableFixture::Background(f.intervals, 22, 1), Totals);
    }

    void theTableTextTakesTheMainWindowsColour()
    {
        TableFixture f(std::string("[--  Setting  --]\ntexty na panelu 1=255\n"));
        f.Open(f.Fixture("uniform.dis"));
        f.Describe();
        QCOMPARE(TableFixture::Grid(f.intervals)->palette().color(QPalette::Text), ToQColor(RgbColour(255, 0, 0)));
    }

    void theWorkbookIsWrittenAndOpened_data()
    {
        QTest::addColumn<bool>("opens");
        QTest::newRow("an application opens it") << true;
        QTest::newRow("nothing opens it") << false;
    }
    void theWorkbookIsWrittenAndOpened()
    {
        QFETCH(bool, opens);
        TableFixture f;
        std::vector<std::string> opened;
        ScopedFileOpener opener([&opened, opens](const std::string& path) {
            opened.push_back(path);
            return opens;
        });
        f.Open(f.Fixture("uniform.dis"));
        f.Describe();
        f.dialogs.Clear();
        f.intervals.findChild<QPushButton*>(QStringLiteral("KontTisk"))->click();

        const std::string path = f.context.folders.ResultsFolder + "/uniform.xlsx";
        QCOMPARE(opened, std::vector<std::string>{path});
        // The workbook stays either way: an .xlsx is a zip archive.
        std::ifstream file(path, std::ios::binary);
        char magic[2] = {};
        file.read(magic, 2);
        QCOMPARE(QByteArray(magic, 2), QByteArray("PK"));
        if (opens) {
            QVERIFY(f.dialogs.Recorded().empty());
        } else {
            QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
            QCOMPARE(f.dialogs.Last().kind, DialogKind::Warning);
            QCOMPARE(f.dialogs.Last().text, WorkbookNotOpened(path).text);
        }
    }

    void aWorkbookThatCannotBeWrittenIsNotOpened()
    {
        TableFixture f;
        bool asked = false;
        ScopedFileOpener opener([&asked](const std::string&) { return asked = true; });
        f.Open(f.Fixture("dice.dis"));
        f.Describe();
        std::filesystem::remove_all(f.context.folders.ResultsFolder);
        f.dialogs.Clear();
        f.values.findChild<QPushButton*>(QStringLiteral("KontTisk"))->click();
        QVERIFY(!asked);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        QCOMPARE(f.dialogs.Last().text, FormatText(22, "dice.xlsx"));
        QVERIFY(f.values.isVisible());
    }

    void closesOnLosingTheActivationAndKeepsItsPlace()
    {
        TableFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Describe();
        QVERIFY(f.intervals.isVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&f.intervals, &deactivate);
        QTRY_VERIFY(!f.intervals.isVisible());
        QVERIFY(f.context.settings.HasKey("--  Position  --", "TabVypisuDis-Form9.left"));
        QVERIFY(f.context.settings.HasKey("--  Position  --", "TabVypisuDis-Form9.height"));

        f.Open(f.Fixture("dice.dis"));
        f.Describe();
        f.values.findChild<QPushButton*>(QStringLiteral("ExitBtn"))->click();
        QVERIFY(!f.values.isVisible());
        QVERIFY(f.context.settings.HasKey("--  Position  --", "TabVypisu-Form3.width"));
        // The main window shows its histogram on.
        QCOMPARE(f.window->Model().Name, std::string("dice"));
        QVERIFY(f.window->isEnabled());
    }

    void textsInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("exitHint");
        QTest::newRow("Czech") << int(Language::Czech) << QString::fromUtf8("Zavřít");
        QTest::newRow("English") << int(Language::English) << "Close";
    }
    void textsInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, exitHint);
        TableFixture f;
        if (static_cast<Language>(language) == Language::English) f.window->EnglishClick();
        else f.window->CzechClick();
        f.Open(f.Fixture("uniform.dis"));
        f.Describe();
        QCOMPARE(f.intervals.windowTitle(), QString("uniform"));
        QCOMPARE(f.intervals.findChild<QPushButton*>(QStringLiteral("ExitBtn"))->toolTip().trimmed(), exitHint);
        QCOMPARE(TableFixture::Text(f.intervals, 0, 2), QString::fromStdString(TextCis(121)));
        QCOMPARE(TableFixture::Text(f.intervals, 22, 1), QString::fromStdString(TextCis(49)));
    }
};

MORVIK_GUI_TEST(HistogramTableWindowTest);
#include "HistogramTableWindowTest.moc"
