// The main window driven as a user drives it: by its controls' objectNames, with scripted dialogs.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <csignal>

#include "GuiTest.h"
#include "IntervalTableChecks.h"
#include "MainWindowFixture.h"
#include "chart/ChartColour.h"
#include "combination/CombinationTable.h"
#include "common/NumberText.h"
#include "histogram/HistogramFile.h"
#include "histogram/IntervalTable.h"
#include "kit/IntervalTableView.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/SignalExit.h"
#include "mainwindow/ToolWindows.h"
#include "shell/ReOpenStack.h"

using namespace morvik;
using test::MainWindowFixture;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor RowColour(const MainWindowFixture& f, int row)
{
    return f.Find<IntervalTableView>(names::StringGrid2)->Background(row, 1);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    void refusedFilesLeaveTheWindowEmpty()
    {
        MainWindowFixture f;
        const std::string outside = f.Write(f.temp.path().toStdString() + "/outside.dis", "");
        f.Open(outside);
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Warning);
        QVERIFY(Q(f.dialogs.Last().text).startsWith("The selected file is not saved in the allowed directory"));

        f.Open(f.Fixture("wrong-total.dis"));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QVERIFY(Q(f.dialogs.Last().text).startsWith("Invalid  n u m b e r  of elements!"));

        QVERIFY(!f.window->Model().HasHistogram());
        QVERIFY(f.Edit(names::Edit1)->text().isEmpty());
        QVERIFY(!f.Edit(names::EditXY)->isEnabled());
        QVERIFY(!f.Action(names::Ulozit3)->isEnabled());
        QVERIFY(!f.Find<IntervalTableView>(names::StringGrid2)->isVisibleTo(f.window.get()));
        QCOMPARE(f.window->Stack().Count(), 0);
        QVERIFY(f.window->ChartContent().main.bars.empty());
    }

    void openedHistogramIsShownEverywhere()
    {
        MainWindowFixture f;
        const std::string path = f.Fixture("uniform.dis");
        f.Open(path);
        QCOMPARE(f.dialogs.Recorded().front().file.folder, f.context.folders.HistogramsRoot);

        QCOMPARE(f.Edit(names::Edit1)->text(), QString("uniform"));
        QCOMPARE(f.Edit(names::EditMin)->text(), Q(StrNaCarku(0.5)));
        QCOMPARE(f.Edit(names::EditMax)->text(), Q(StrNaCarku(9.5)));
        QCOMPARE(f.Cell(names::StringGrid4, 0, 1), QString(" 10"));
        QCOMPARE(f.Cell(names::StringGrid4, 2, 1), QString(" Discrete"));
        QCOMPARE(f.Cell(names::StringGrid3, 0, 1).trimmed(), QString("10"));

        const ChartModel& chart = f.window->ChartContent();
        QCOMPARE(chart.main.bars.size(), std::size_t(10));
        QCOMPARE(chart.main.bars.back().label, StrBottomGraf(0.1, 9.5));
        QCOMPARE(chart.titleLines.size(), std::size_t(2));
        QVERIFY(Q(chart.titleLines[1]).contains("uniform   * A  (A=1.00)"));

        // The table: heading, an edge row around every interval, the total.
        auto* table = f.Find<IntervalTableView>(names::StringGrid2);
        QCOMPARE(table->rowCount(), 23);
        QCOMPARE(f.Cell(names::StringGrid2, 1, 1), Q(StrNaCarku(0.0)));
        QCOMPARE(f.Cell(names::StringGrid2, 2, 1), Q(StrNaCarku(0.5)));
        QCOMPARE(f.Cell(names::StringGrid2, 22, 1), Q(TextCis(127)));
        QCOMPARE(RowColour(f, 2), ToQColor(RowShadeColour(RowShade::Plain)));

        QVERIFY(f.Action(names::Ulozit3)->isEnabled());
        QVERIFY(f.Find<QToolButton>(names::UlozHist)->isEnabled());
        QVERIFY(f.Edit(names::EditXY)->isEnabled());
        QVERIFY(!f.Action(names::AbsHodHist1)->isEnabled());
        QVERIFY(f.Action(names::KrivkaTrvZat)->isEnabled());
        // The chart export follows the histogram, its button with it.
        QVERIFY(f.Action(names::UlozGraf1)->isEnabled());
        QVERIFY(f.Find<QToolButton>(names::UlozGraf)->isEnabled());
        QCOMPARE(f.window->Stack().Count(), 1);
        QCOMPARE(f.window->Stack().Entry(0), (ReOpenEntry{path, "1.00", "10"}));
        QVERIFY(f.Action(names::N01)->isVisible());

        // Index labels start at 0.
        f.window->IndexLabelsClick();
        QCOMPARE(f.window->ChartContent().main.bars.front().label, std::string("0"));
        QCOMPARE(f.window->ChartContent().main.bars.back().label, std::string("9"));
    }

    void queriesAnswerAndColour()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        const Colour valueColour = f.window->Options().colours.valueQuery;

        f.Type(names::EditXY, "3.25");
        f.window->ValueQueryExit();
        QCOMPARE(f.Cell(names::StringGrid5, 0, 1), Q(StrNaCarku(0.1)));
        QCOMPARE(f.Cell(names::StringGrid5, 1, 1), Q(StrNaCarku(0.325)));
        const ChartModel& chart = f.window->ChartContent();
        QCOMPARE(chart.overlay.bars.size(), std::size_t(10));
        QCOMPARE(chart.overlay.bars[3].colour, valueColour);
        QVERIFY(chart.overlay.bars[4].colour != valueColour);
        // Intervals whose lower edge lies below x are marked in the table.
        QCOMPARE(RowColour(f, 8), ToQColor(RowShadeColour(RowShade::Value)));
        QCOMPARE(RowColour(f, 10), ToQColor(RowShadeColour(RowShade::Plain)));

        // Emptying the field by hand takes the answer off the chart.
        f.Edit(names::EditXY)->selectAll();
        QTest::keyClick(f.Edit(names::EditXY), Qt::Key_Delete);
        QVERIFY(f.window->ChartContent().overlay.bars.empty());

        f.Type(names::EditXY, "0");  // outside the range: emptied without a message
        const std::size_t dialogs = f.dialogs.Recorded().size();
        f.window->ValueQueryExit();
        QVERIFY(f.Edit(names::EditXY)->text().isEmpty());
        QCOMPARE(f.dialogs.Recorded().size(), dialogs);

        f.Type(names::EditP, "0.5");
        f.window->QuantileQueryExit();
        QCOMPARE(f.Cell(names::StringGrid6, 0, 1), Q(StrNaCarku(5.0)));
        QCOMPARE(f.window->ChartContent().overlay.bars[4].colour, f.window->Options().colours.quantileQuery);
        QCOMPARE(RowColour(f, 10), ToQColor(RowShadeColour(RowShade::Quantile)));

        f.Type(names::EditP, "1");
        f.window->QuantileQueryExit();
        QCOMPARE(f.Cell(names::StringGrid6, 0, 1), Q(StrNaCarku(10.0)));

        f.Type(names::EditP, "1.2");
        f.window->QuantileQueryExit();
        QVERIFY(f.Edit(names::EditP)->text().isEmpty());

        f.Type(names::EditP, "0.-5");
        f.window->QuantileQueryExit();
        QVERIFY(Q(f.dialogs.Last().text).startsWith("I n v a l i d  number input!"));

        // Without colour highlighting the table stays plain while a query is shown.
        f.window->findChild<QAction*>(names::Ne1)->trigger();
        f.Type(names::EditXY, "3.25");
        f.window->ValueQueryExit();
        QCOMPARE(RowColour(f, 8), f.Find<IntervalTableView>(names::StringGrid2)->palette().color(QPalette::Base));
    }

    void twoRefusedQueryFieldsDoNotHandTheFocusToEachOther()
    {
        // The quantile field is left for the value field and both entries are refused: the quantile's message
        // shows once; putting the focus back on the quantile field is no exit from the value field, whose own
        // refusal comes when it is left (before, the two fields handed the focus to each other without end).
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.Type(names::EditXY, "");
        f.Type(names::EditP, "0.-5");
        f.Edit(names::EditP)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), f.Edit(names::EditP));
        f.Type(names::EditXY, "E10");
        f.dialogs.Clear();
        f.Edit(names::EditXY)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        QVERIFY(Q(f.dialogs.Last().text).startsWith("I n v a l i d  number input!"));
    }

    void multipleRescalesAndReachesTheReOpenStack()
    {
        MainWindowFixture f;
        const std::string path = f.Fixture("uniform.dis");
        f.Open(path);
        f.Type(names::Edit3, "-2");
        f.window->MultipleExit();
        QCOMPARE(f.window->Model().ResultHistogram.Min, -19.0);
        QCOMPARE(f.Edit(names::EditMin)->text(), Q(StrNaCarku(-19.0)));
        QVERIFY(f.Action(names::AbsHodHist1)->isEnabled());
        QCOMPARE(f.window->Stack().Count(), 2);
        QCOMPARE(f.window->Stack().Entry(0).multiple, f.Edit(names::Edit3)->text().toStdString());

        f.Type(names::Edit3, "0");
        f.window->MultipleExit();
        QCOMPARE(Q(f.dialogs.Last().text), Q(TextCis(23)));
        QCOMPARE(f.window->Model().MultipleA, 1.0);
    }

    void untouchedFieldsNeverReadTheirRoundedTextBack()
    {
        MainWindowFixture f;
        // Midpoints 1/6, 1/2, 5/6: the fields show rounded texts.
        const std::string path = f.Write(f.Loads() + "/thirds.dis",
                                         "[Parameters]\r\nType=Discrete\r\nMin=0\r\nMax=1\r\nBins=3\r\n"
                                         "Total=3\r\n\r\n[Bins]\r\n1\r\n1\r\n1\r\n");
        f.Open(path);
        const Histogram before = f.window->Model().ResultHistogram;
        f.window->MinExit();
        f.window->MaxExit();
        f.window->MultipleExit();
        QCOMPARE(f.window->Model().ResultHistogram.Min, before.Min);
        QCOMPARE(f.window->Model().ResultHistogram.Max, before.Max);
        QCOMPARE(f.window->Model().ResultHistogram.Width, before.Width);
        QCOMPARE(f.window->Stack().Count(), 1);
    }

    void minAndMaxEdits()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Type(names::EditMax, "19.5");
        f.window->MaxExit();
        QCOMPARE(f.window->Model().ResultHistogram.Width, 19.0 / 9);
        QCOMPARE(f.window->ChartContent().main.bars.back().label, StrBottomGraf(0.1, 19.5));

        f.Type(names::EditMax, f.Edit(names::EditMin)->text());
        f.window->MaxExit();
        QCOMPARE(Q(f.dialogs.Last().text), Q(TextCis(30)));
        QCOMPARE(f.Edit(names::EditMax)->text(), Q(StrNaCarku(19.5)));

        f.Open(f.Write(f.Loads() + "/dice-pure.dis",
                       "[Parameters]\r\nType=Pure Discrete\r\nMin=1\r\nMax=6\r\n"
                       "Bins=6\r\nTotal=6\r\n\r\n[Bins]\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"));
        f.Type(names::EditMax, "7.5");
        f.window->MaxExit();
        QCOMPARE(Q(f.dialogs.Last().text), Q(TextCis(132)));
        QCOMPARE(f.window->Model().ResultHistogram.Max, 6.0);
    }

    void absoluteValueReplacesTheHistogram()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Type(names::Edit3, "-1");
        f.window->MultipleExit();
        f.Find<QToolButton>(names::AbsHodHist)->click();
        QVERIFY(f.window->Model().ResultHistogram.Min >= 0);
        QCOMPARE(f.Edit(names::Edit3)->text(), QString("1.00"));
        QVERIFY(!f.Action(names::AbsHodHist1)->isEnabled());
        QCOMPARE(f.window->ChartContent().titleLines.size(), std::size_t(3));
    }

    void saveAndResults()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        const std::string saved = f.context.folders.ResultsFolder + "/copy.dis";
        f.dialogs.AnswerPath(saved);
        f.window->SaveHistogramClick();
        QCOMPARE(f.dialogs.Last().file.folder, f.context.folders.ResultsFolder);
        QCOMPARE(ReadHistogramFile(saved, HistogramKind::PureDiscrete).histogram.Bins, 10);
        QCOMPARE(f.window->Stack().Entry(0).file, saved);
        QCOMPARE(f.context.settings.ReadString("--  Uložit histogram  --", "Soubor", ""), saved);

        // An existing file is kept when the user does not confirm.
        const std::string keep = f.Write(f.context.folders.ResultsFolder + "/keep.dis", "precious");
        f.dialogs.AnswerPath(keep);
        f.dialogs.AnswerNo();
        f.window->SaveHistogramClick();
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Confirmation);
        std::ifstream kept(keep);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(kept), {}), std::string("precious"));

        const std::string report = f.context.folders.GraphsFolder + "/uniform.txt";
        f.dialogs.AnswerPath(report);
        f.window->SaveResultsClick();
        QCOMPARE(f.dialogs.Last().file.defaultSuffix, std::string("txt"));
        std::ifstream written(report);
        const std::string text(std::istreambuf_iterator<char>(written), {});
        QVERIFY(Q(text).startsWith(Q(TextCis(44))));
        QVERIFY(Q(text).contains("Histogram A : uniform"));

        f.window->CharacteristicsClick();
        QCOMPARE(f.dialogs.Last().title, TextCis(79));
    }

    void reopenFromMenuAndTable()
    {
        MainWindowFixture f;
        const std::string uniform = f.Fixture("uniform.dis");
        const std::string dice = f.Fixture("dice.dis");
        f.Open(uniform);
        f.Open(dice);
        QCOMPARE(f.Edit(names::Edit1)->text(), QString("dice"));

        f.Action("N11")->trigger();  // the older entry
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
        QCOMPARE(f.Edit(names::Edit1)->text(), QString("uniform.dis"));

        f.window->ReOpenTableButtonClick();
        auto* table = f.Find<QTableWidget>(names::StringGrid1);
        QVERIFY(table->isVisibleTo(f.window.get()));
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(1, 1)->text(), QString("dice"));
        f.window->ReOpenTableClick(1);
        QVERIFY(!table->isVisibleTo(f.window.get()));
        QCOMPARE(f.window->Model().Name, std::string("dice"));

        // A file that has gone: the table offers to forget it.
        std::filesystem::remove(uniform);
        f.window->ReOpenTableButtonClick();
        f.dialogs.AnswerYes();
        f.window->ReOpenTableClick(2);
        QCOMPARE(f.window->Stack().Count(), 1);
        QVERIFY(!f.Action("N11")->isVisible());

        f.dialogs.AnswerYes();
        f.window->EmptyReOpenStackClick();
        QCOMPARE(f.window->Stack().Count(), 0);
        QVERIFY(!f.Find<QMenu>(names::ReOpen1)->isEnabled());
        QVERIFY(!f.window->Model().HasHistogram());
    }

    void settingsAreWrittenAndReadBack()
    {
        std::string text;
        {
            MainWindowFixture f;
            f.Open(f.Fixture("uniform.dis"));
            f.window->CzechClick();
            f.window->IndexLabelsClick();
            f.Action(names::Ne1)->trigger();
            f.Action(names::lomitko1)->trigger();
            f.window->WriteSettings();
            text = f.context.settings.Text();
        }
        MainWindowFixture again(text);
        QCOMPARE(again.window->Options().language, Language::Czech);
        QVERIFY(again.window->Options().index1);
        QVERIFY(!again.window->Options().colourHighlight);
        QCOMPARE(again.window->Options().DateSeparator, '/');
        QVERIFY(again.Action(names::Cestina)->isChecked());
        QCOMPARE(again.Find<QMenu>(names::Soubor1)->title(), QString("&Soubor"));
        QCOMPARE(again.window->Stack().Count(), 1);
        QVERIFY(again.Action(names::N01)->isVisible());

        // Colours of the file reach the window (red is 0x0000FF, blue in the high byte).
        MainWindowFixture coloured("[--  Setting  --]\nedit.okno Hodnota x=255\nvelikost kvantilu P=65280\n");
        QCOMPARE(coloured.Edit(names::EditXY)->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(coloured.Edit(names::EditP)->palette().color(QPalette::Text), QColor(0, 255, 0));
    }

    void languageSwitch()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.window->CzechClick();
        QCOMPARE(f.Find<QMenu>(names::Soubor1)->title(), QString("&Soubor"));
        QCOMPARE(f.Find<QComboBox>(names::CBTypHist)->itemText(1), QString("Histogram Kombinace"));
        QCOMPARE(f.Find<QGroupBox>(names::GroupBox2)->title(), QString("  V ý s l e d n ý   h i s t o g r a m  "));
        QVERIFY(f.Find<QToolButton>(names::UlozHist)->toolTip().contains(": uniform"));
        f.window->EnglishClick();
        QCOMPARE(f.Find<QMenu>(names::Soubor1)->title(), QString("&File"));
        QCOMPARE(f.Cell(names::StringGrid6, 0, 0), QString("   Quantile Qp"));
    }

    void languageSwitchKeepsTheChartOptions()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        auto* marks = f.Find<QComboBox>("CBMarks");
        auto* angle = f.Find<QSpinBox>("SpinEdAngle");
        marks->setCurrentIndex(3);
        emit marks->activated(3);
        angle->setValue(44);
        for (const char* language : {names::Cestina, names::Anglictina}) {
            f.Action(language)->trigger();
            QCOMPARE(marks->currentIndex(), 3);
            QCOMPARE(angle->value(), 44);
            QCOMPARE(f.window->Options().CBMarksItemIndex, 3);
            QCOMPARE(f.window->Options().SpinEdAngleValue, 44);
        }
    }

    void intervalTableColumnsFitTheirTexts()
    {
        MainWindowFixture f;
        // A desktop font larger than the one the table was laid out for.
        auto* table = f.Find<IntervalTableView>(names::StringGrid2);
        QFont large = table->font();
        large.setPixelSize(17);
        table->setFont(large);
        // Texts as long as the table shows them: small probabilities, values in exponent form.
        Histogram h;
        h.Bins = 3;
        h.Min = -1.23456789e-5;
        h.Max = 1000.5;
        h.Total = 1000000;
        h.Prob[0] = 0.001156;
        h.Prob[1] = 0.5;
        h.Prob[2] = 0.498844;
        f.window->PublishResult({h, HistogramKind::Discrete, "narrow", ""});
        QVERIFY(table->rowCount() > 0);
        QCOMPARE(test::FirstCutText(*table), QString());
    }

    void menuShortcutsFireWhereverTheFocusIs()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QSignalSpy saved(f.Action(names::Ulozit2), &QAction::triggered);
        QWidget* places[] = {f.Find<QWidget>(names::StringGrid2), f.Edit(names::EditXY), f.Edit(names::Edit1)};
        for (QWidget* place : places) {
            place->setFocusPolicy(Qt::StrongFocus);
            place->setFocus();
            QCOMPARE(QApplication::focusWidget(), place);
            f.dialogs.AnswerCancel();
            QTest::keyClick(place, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(saved.size(), 3);
    }

    void smallestWindowKeepsEveryControlWhole()
    {
        MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        for (const QSize asked : {QSize(700, 500), QSize(1600, 1000)}) {
            f.window->resize(asked);
            QCoreApplication::processEvents();
            QVERIFY(f.window->width() >= f.window->minimumWidth());
            // The controls: every visible widget of the centre without visible child widgets of its own, and
            // the boxes that frame them.
            QList<QWidget*> controls;
            for (QWidget* widget : f.window->centralWidget()->findChildren<QWidget*>()) {
                if (!widget->isVisible() || widget->objectName().startsWith("qt_")) continue;
                if (!widget->parentWidget() || widget->parentWidget()->inherits("QAbstractScrollArea")) continue;
                if (widget->parentWidget()->inherits("QComboBox") ||
                    widget->parentWidget()->inherits("QAbstractSpinBox"))
                    continue;
                if (widget->inherits("QScrollBar") || widget->inherits("QHeaderView") ||
                    widget->inherits("QFocusFrame"))
                    continue;
                controls.append(widget);
            }
            auto place = [&](QWidget* widget) {
                return QRect(widget->mapTo(f.window.get(), QPoint(0, 0)), widget->size());
            };
            const QRect window(QPoint(0, 0), f.window->size());
            for (QWidget* control : controls) {
                QVERIFY2(window.contains(place(control)),
                         qPrintable(control->objectName() + " reaches out of the window"));
                // A table scrolls; any other control at less than its least size is cut.
                const QSize least = control->inherits("QAbstractScrollArea") ? QSize() : control->minimumSizeHint();
                QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                         qPrintable(control->objectName() + " " + control->metaObject()->className() + " " +
                                    QString::number(control->width()) + "x" + QString::number(control->height())));
                for (QWidget* other : controls) {
                    if (other == control || control->isAncestorOf(other) || other->isAncestorOf(control)) continue;
                    QVERIFY2(!place(control).intersects(place(other)),
                             qPrintable(control->objectName() + " overlaps " + other->objectName()));
                }
            }
        }
        // Growing the window grows the chart.
        f.window->resize(700, 500);
        QCoreApplication::processEvents();
        const int small = f.Find<QWidget>(names::Chart1)->width();
        f.window->resize(1600, 1000);
        QCoreApplication::processEvents();
        QVERIFY(f.Find<QWidget>(names::Chart1)->width() > small);
    }

    void gridCaptionsFitInBothLanguages()
    {
        MainWindowFixture f;
        f.window->CzechClick();
        auto* grid = f.Find<QTableWidget>(names::StringGrid3);
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString caption = grid->item(row, 0)->text();
            QVERIFY2(metrics.horizontalAdvance(caption) < grid->columnWidth(0), qPrintable(caption));
        }
    }

    void commandsWithoutHistogramRefuseQuietly()
    {
        MainWindowFixture f;
        f.window->SaveHistogramClick();
        f.window->SaveResultsClick();
        f.window->CharacteristicsClick();
        f.window->AbsoluteValueClick();
        f.Type(names::EditXY, "1");
        f.window->ValueQueryExit();
        f.Type(names::EditMin, "1");
        f.window->MinExit();
        f.Type(names::Edit3, "3");
        f.window->MultipleExit();
        f.window->ReOpenTableButtonClick();
        f.window->ReOpenItemClick(5);
        f.window->ReOpenTableClick(3);
        f.window->ChartClick();
        QVERIFY(f.dialogs.Recorded().empty());
        QVERIFY(!f.window->Model().HasHistogram());
    }

    void toolWindowsOpenFromTheTypeListAndHandOver()
    {
        MainWindowFixture f;
        ToolWindows tools(*f.window, f.context);
        f.Open(f.Fixture("uniform.dis"));
        auto* types = f.Find<QComboBox>(names::CBTypHist);

        // A tool window closed without a result leaves the histogram as it was.
        types->setCurrentIndex(1);
        f.window->ToolChoiceChange(1);
        QVERIFY(tools.Window(1)->isVisible());
        QVERIFY(!f.window->isEnabled());
        tools.Window(1)->close();
        QVERIFY(f.window->isEnabled());
        QCOMPARE(types->currentIndex(), 0);
        QCOMPARE(f.window->Model().Name, std::string("uniform"));

        // A combination computed from a saved table becomes the main window's histogram.
        CombinationTable saved;
        const std::string uniform = f.Fixture("uniform.dis");
        for (int row : {1, 2}) {
            QVERIFY(!saved.LoadRow(row, uniform, f.context.folders.HistogramsRoot));
            QVERIFY(saved.SetCell(row, 1, "1"));
        }
        const std::string table = f.context.folders.ResultsFolder + "/two.kom";
        QVERIFY(!saved.SaveTable(table));
        f.window->ToolChoiceChange(1);
        f.dialogs.AnswerPath(table);
        tools.Window(1)->findChild<QAbstractButton*>("OtevriKomb")->click();
        tools.Window(1)->findChild<QAbstractButton*>("VypocetKomb")->click();
        tools.Window(1)->close();
        QCOMPARE(f.window->Model().Name, std::string(CombinationTable::ResultName));
        QCOMPARE(f.Edit(names::Edit1)->text(), QString("Kombinace"));
        QCOMPARE(f.Cell(names::StringGrid4, 2, 1), QString(" Discrete"));
        QVERIFY(f.window->isEnabled());

        // The parametric window starts from an empty main window and hands over what it generated.
        f.window->ToolChoiceChange(3);
        QVERIFY(tools.Window(3)->isVisible());
        QVERIFY(f.Edit(names::Edit1)->text().isEmpty());
        tools.Window(3)->close();
        QVERIFY(f.window->isEnabled());
        QVERIFY(Q(f.window->Model().Name).startsWith("ParRoz_"));
        QCOMPARE(f.Edit(names::Edit1)->text(), Q(f.window->Model().Name));
        QVERIFY(!f.window->ChartContent().main.bars.empty());
        QVERIFY(f.Action(names::Ulozit3)->isEnabled());
        QCOMPARE(f.Edit(names::Edit3)->text(), QString("1.00"));
    }

    void chartToolbarShowsOnlyWhenMaximised()
    {
        MainWindowFixture f;
        auto* toolbar = f.Find<QWidget>("Panel2");
        f.window->show();
        QVERIFY(!toolbar->isVisible());
        f.window->showMaximized();
        QTRY_VERIFY(toolbar->isVisible());
        f.Action(names::TCharCom)->trigger();  // switched off
        QVERIFY(!toolbar->isVisible());
        QVERIFY(!f.window->Options().TCharCom);
    }

    void exitAsksAndWritesTheSettings()
    {
        MainWindowFixture f;
        f.window->show();
        QSignalSpy closing(f.window.get(), &MainWindow::closing);
        f.dialogs.AnswerNo();
        f.window->ExitClick();
        QCOMPARE(Q(f.dialogs.Last().text), Q(TextCis(33)));
        QVERIFY(f.window->isVisible());
        f.dialogs.AnswerYes();
        f.window->ExitClick();
        QCOMPARE(closing.count(), 1);
        QVERIFY(f.context.settings.HasKey("--  Position  --", "Prob_u-Form1.width"));
    }

    void terminationSignalClosesTheWindow()
    {
        MainWindowFixture f;
        f.window->show();
        QSignalSpy closing(f.window.get(), &MainWindow::closing);
        {
            SignalExit exit(f.window.get());
            std::raise(SIGTERM);
            QTRY_COMPARE(closing.count(), 1);
        }
        QVERIFY(f.context.settings.HasKey("--  ReOpen histogram  --", "Celkem ReOpen") ||
                f.context.settings.HasKey("--  Position  --", "Prob_u-Form1.left"));
    }
};

MORVIK_GUI_TEST(MainWindowTest);
#include "MainWindowTest.moc"
