// The raw-data window: a file opened through the dialog shows its statistics and histogram, field edits follow
// their rules with dialogs and resets, the fit runs while the window stays responsive, and closing hands the
// histogram shown to the main window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "kit/IntervalTableView.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/ToolWindows.h"
#include "rawdata/FitRankingWindow.h"
#include "rawdata/RawDataWindow.h"
#include "rawdata/RawHistogram.h"
#include "rawdata/TypedRawData.h"
#include "shell/WindowPlacement.h"
#include "windows/WindowContext.h"

using namespace morvik;

namespace {

const std::string NormalData = std::string(MORVIK_FIXTURES) + "/rawdata/normal-2000.txt";

struct RawDataFixture {
    QTemporaryDir dir;
    WindowContext context{SettingsFile::FromText(""),
                          MakeFolders(dir.path().toStdString(), dir.path().toStdString())};
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    RawDataWindow window{context};

    template <typename T>
    T* Find(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    void Open(const std::string& path)
    {
        dialogs.AnswerPath(path);
        window.OpenDataClick();
    }
    void Enter(const char* name, const QString& typed)
    {
        QLineEdit* edit = Edit(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }
    QString Cell(const char* grid, int row, int column)
    {
        const QTableWidgetItem* item = Find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    const ChartModel& Chart() { return Find<ChartView>("Chart1L")->model(); }
    // BuParam, then waits for the fit to end.
    bool Fit()
    {
        QSignalSpy finished(&window, &RawDataWindow::fitFinished);
        Find<QPushButton>("BuParam")->click();
        return finished.wait(240000);
    }
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class RawDataWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }
    void cleanup() { SetLanguage(Language::English); }

    void openingShowsTheStatisticsAndTheHistogram()
    {
        RawDataFixture f;
        f.window.Start();
        QVERIFY(!f.Find<ChartView>("Chart1L")->isVisible());
        f.Open(NormalData);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        const FileDialogRequest& request = f.dialogs.Recorded()[0].file;
        QCOMPARE(request.folder, f.context.folders.RawDataFolder);
        QCOMPARE(request.filter, std::string("Distributions Files (*.txt)|*.txt|All files (*.*)|*.*"));

        const RawDataSet& data = *f.window.Model().Data();
        QCOMPARE(f.Cell("StringGrid3", 0, 1), QString("     2000"));
        QCOMPARE(f.Cell("StringGrid3", 1, 1), Q(StrNaCarku(data.mean)));
        QCOMPARE(f.Edit("EdNazev")->text(), QString("normal-2000.txt"));
        QCOMPARE(f.Edit("EdMin")->text(), Q(StrNaCarku(data.dataMin)));
        QCOMPARE(f.Edit("EdMax")->text(), Q(StrNaCarku(data.dataMax)));
        QVERIFY(f.Find<ChartView>("Chart1L")->isVisible());
        QCOMPARE(f.Chart().main.bars.size(), size_t(128));
        double sum = 0;
        for (const auto& bar : f.Chart().main.bars) sum += bar.height;
        QVERIFY(std::abs(sum - 1) < 1e-9);
        QVERIFY(f.Chart().titleLines.at(1).starts_with(TextCis(109) + "normal-2000 ( "));
        QCOMPARE(f.Find<ChartView>("Chart1Min")->model().main.bars.size(), size_t(128));
        QVERIFY(!f.Cell("StringGrid1", 2, 1).isEmpty());  // the median
        QVERIFY(!f.Cell("StringGrid6", 0, 1).isEmpty());  // the mean of the histogram
        QVERIFY(f.Find<IntervalTableView>("StringGrid2")->rowCount() > 128);

        // The listing is asked for the lines it draws.
        auto* listing = f.Find<QListView>("MemoDat");
        QCOMPARE(listing->model()->rowCount(), 2000);
        QCOMPARE(listing->model()->index(1999, 0).data().toString(), Q(RawListingLine(data, 2000)));
        QVERIFY(f.dialogs.Mismatches().empty());
    }

    void fewerIntervalsThanSturgesAdvisesWarnButBuild()
    {
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        const int advised = SturgesIntervals(2000);
        f.Enter("EdPocetIntervalu", QString::number(advised - 1));
        QCOMPARE(f.dialogs.Recorded().size(), size_t(2));
        QVERIFY(f.dialogs.Last().text.starts_with(FormatText(116, "2000")));
        QCOMPARE(f.Chart().main.bars.size(), size_t(advised - 1));
        QVERIFY(f.Find<ChartView>("Chart1L")->isVisible());
    }

    void invalidFieldsShowTheirMessageAndReset_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("Min no number") << "EdMin" << "1-" << Q(TextCis(20) + " MinX 1-");
        QTest::newRow("Min above Max") << "EdMin" << "1E6" << "MinX >= MaxX !";
        QTest::newRow("Max below Min") << "EdMax" << "-1E6" << "MaxX <= MinX !";
    }
    void invalidFieldsShowTheirMessageAndReset()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        const QByteArray name = field.toLatin1();
        const QString before = f.Edit(name.constData())->text();
        f.Enter(name.constData(), typed);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(2));
        QCOMPARE(Q(f.dialogs.Last().text), message);
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QCOMPARE(f.Edit(name.constData())->text(), before);
        // Nothing is built on a refusal; NeParam builds over the range the file gave.
        QVERIFY(!f.Find<ChartView>("Chart1L")->isVisible());
        f.Find<QPushButton>("Button2")->click();
        QVERIFY(f.Find<ChartView>("Chart1L")->isVisible());
        QCOMPARE(f.window.Model().Histogram()->min, f.window.Model().Data()->dataMin);
    }

    void typedDataAreSavedAndOpened()
    {
        RawDataFixture f;
        f.window.Start();
        f.Find<QPushButton>("BNovy")->click();
        QVERIFY(f.Find<QGroupBox>("GroupBox3")->isVisible());
        f.Find<QPlainTextEdit>("Memo1")->setPlainText("1\n2,5\n\n4");
        QCOMPARE(f.Cell("StringGrid5", 0, 1), Q(TypedLineCountText(4)));
        const std::string path = f.dir.path().toStdString() + "/typed.txt";
        f.dialogs.AnswerPath(path);
        f.Find<QPushButton>("BSave")->click();
        QCOMPARE(f.dialogs.Recorded().at(0).type, DialogType::SaveFile);
        QCOMPARE(f.dialogs.Recorded().at(0).file.folder, f.context.folders.RawDataFolder);
        QVERIFY(!f.Find<QGroupBox>("GroupBox3")->isVisible());
        QCOMPARE(f.Edit("EdNazev")->text(), QString("typed.txt"));
        QCOMPARE(f.Cell("StringGrid3", 0, 1), QString("     4"));
        QCOMPARE(f.window.Model().Data()->mean, (1 + 2.5 + 0 + 4) / 4);

        // A line that is no number is refused and nothing is written.
        f.Find<QPushButton>("BNovy")->click();
        f.Find<QPlainTextEdit>("Memo1")->setPlainText("1\nx");
        f.Find<QPushButton>("BSave")->click();
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QCOMPARE(f.window.Model().Data()->Count(), 4);
    }

    void paramRanksTheFitsWhileTheWindowResponds()
    {
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        QSignalSpy finished(&f.window, &RawDataWindow::fitFinished);
        auto* progress = f.Find<QProgressBar>("ProgressBar1");
        f.Find<QPushButton>("BuParam")->click();
        QVERIFY(f.window.FitRunning());
        f.Find<QPushButton>("BuParam")->click();  // a second click while it runs does nothing
        f.window.close();                          // nor does closing
        QVERIFY(f.window.isVisible());
        QVERIFY(!f.Edit("EdMin")->isEnabled());
        QVERIFY(finished.wait(240000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(progress->value(), progress->maximum());
        // The ranking opens by itself; this window waits for it, its controls ready again.
        QVERIFY(f.window.RankingWindow() && f.window.RankingWindow()->isVisible());
        QVERIFY(!f.window.isEnabled());
        QVERIFY(f.Edit("EdMin")->isEnabledTo(&f.window));
        f.window.RankingWindow()->close();
        QVERIFY(f.window.isEnabled());

        auto* fits = f.Find<QComboBox>("CBTypPara");
        QVERIFY(fits->count() > 0);
        QCOMPARE(fits->currentIndex(), 0);
        QCOMPARE(fits->itemText(0), Q(f.window.Model().FitList()[0]));
        QCOMPARE(f.Cell("StringGrid4", 0, 1), Q(f.window.Model().ClosenessText()));
        QCOMPARE(f.Chart().titleLines.at(0), TextCis(107) + f.window.Model().FitList()[0]);
        // Data drawn from a normal distribution rank the normal fit near the top.
        bool normalNearTop = false;
        for (int i = 0; i < std::min(3, fits->count()); ++i) normalNearTop |= fits->itemText(i) == Q(FitTypeName(0));
        QVERIFY(normalNearTop);

        // Another choice shows that fit.
        if (fits->count() > 1) {
            emit fits->activated(1);
            QCOMPARE(f.window.Model().ChosenFit(), 1);
            QCOMPARE(f.Chart().titleLines.at(0), TextCis(107) + f.window.Model().FitList()[1]);
        }
    }

    void closingHandsTheShownHistogramToTheMainWindow()
    {
        test::MainWindowFixture f;
        ToolWindows tools(*f.window, f.context);
        f.Open(f.Fixture("uniform.dis"));
        auto* raw = static_cast<RawDataWindow*>(tools.Window(4));

        // Closed with nothing shown, the main window keeps its histogram.
        f.window->ToolChoiceChange(4);
        QVERIFY(raw->isVisible());
        QVERIFY(!f.window->isEnabled());
        raw->close();
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
        QCOMPARE(f.Find<QComboBox>(names::CBTypHist)->currentIndex(), 0);

        // The data's histogram: its intervals' midpoints.
        f.window->ToolChoiceChange(4);
        f.dialogs.AnswerPath(NormalData);
        raw->OpenDataClick();
        const RawHistogram built = *raw->Model().Histogram();
        raw->close();
        QCOMPARE(f.window->Model().Name, std::string("RawData_(normal-2000)"));
        QCOMPARE(f.Edit(names::Edit1)->text(), QString("RawData_(normal-2000)"));
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->ChartContent().main.bars.size(), size_t(128));
        QVERIFY(std::abs(f.window->Model().InputHistogram.Min - (built.min + built.h / 2)) < 1e-9 * built.h);

        // With a fit shown, the fit with its type in the name.
        f.window->ToolChoiceChange(4);
        f.dialogs.AnswerPath(NormalData);
        raw->OpenDataClick();
        QSignalSpy finished(raw, &RawDataWindow::fitFinished);
        raw->BuParamClick();
        QVERIFY(finished.wait(240000));
        const std::string type = raw->Model().FitList()[0];
        raw->close();
        QCOMPARE(f.window->Model().Name, "RawData_(normal-2000-" + type + ")");
        QVERIFY(f.window->isEnabled());
    }

    void captionsInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("closeness");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("button");
        QTest::newRow("Czech") << int(Language::Czech) << QString::fromUtf8("  Morvik :   Prvotní data")
                               << QString::fromUtf8("Počet dat") << QString::fromUtf8("Těsnost")
                               << QString::fromUtf8("  Datový soubor  ") << "NeParam";
        QTest::newRow("English") << int(Language::English) << "  Morvik :   Raw data" << "Number of values"
                                 << "Closeness" << "  Data file  " << "NotParam";
    }
    void captionsInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, count);
        QFETCH(QString, closeness);
        QFETCH(QString, group);
        QFETCH(QString, button);
        RawDataFixture f;
        SetLanguage(static_cast<Language>(language));
        f.window.ApplyLanguage(static_cast<Language>(language));
        QCOMPARE(f.window.windowTitle(), title);
        QCOMPARE(f.Cell("StringGrid3", 0, 0), count);
        QCOMPARE(f.Cell("StringGrid4", 0, 0), closeness);
        QCOMPARE(f.Find<QGroupBox>("GroupBox2")->title(), group);
        QCOMPARE(f.Find<QPushButton>("Button2")->text(), button);
    }
};

MORVIK_GUI_TEST(RawDataWindowTest);
#include "RawDataWindowTest.moc"
