// The raw-data window: a file opened through the dialog shows its statistics and histogram, field edits follow
// their rules with dialogs and resets, the fit runs while the window stays responsive, and closing hands the
// histogram shown to the main window.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "FindNamed.h"
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
    explicit RawDataFixture(const std::string& settings = "")
        : context{SettingsFile::FromText(settings), MakeFolders(dir.path().toStdString(), dir.path().toStdString())}
    {
    }
    QTemporaryDir dir;
    WindowContext context;
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    RawDataWindow window{context};

    template <typename T>
    T* Find(const char* name)
    {
        return test::FindNamed<T>(window, name);
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
    // BuParam, then waits for the fit to end; the ranking window it opens is closed again.
    bool Fit()
    {
        QSignalSpy finished(&window, &RawDataWindow::fitFinished);
        Find<QPushButton>("BuParam")->click();
        const bool ended = finished.wait(240000);
        if (window.RankingWindow()) window.RankingWindow()->close();
        return ended;
    }
    std::string ChosenType() { return window.Model().FitList().at(static_cast<size_t>(window.Model().ChosenFit())); }
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
        // clang-format off
        QTest::newRow("Min no number") << "EdMin" << "1-" << Q(TextCis(20) + " MinX 1-");
        QTest::newRow("Min above Max") << "EdMin" << "1E6" << "MinX >= MaxX !";
        QTest::newRow("Max below Min") << "EdMax" << "-1E6" << "MaxX <= MinX !";
        // clang-format on
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
        f.window.close();                         // nor does closing
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
        QVERIFY(f.Chart().titleLines.at(0).starts_with(TextCis(108) + f.window.Model().FitList()[0] + " ( "));
        QVERIFY(f.Find<QGroupBox>("GroupBox4")->title().startsWith(Q(TextCis(117))));
        // Data drawn from a normal distribution rank the normal fit near the top.
        bool normalNearTop = false;
        for (int i = 0; i < std::min(3, fits->count()); ++i) normalNearTop |= fits->itemText(i) == Q(FitTypeName(0));
        QVERIFY(normalNearTop);

        // Another choice shows that fit.
        if (fits->count() > 1) {
            emit fits->activated(1);
            QCOMPARE(f.window.Model().ChosenFit(), 1);
            QVERIFY(f.Chart().titleLines.at(0).starts_with(TextCis(108) + f.window.Model().FitList()[1] + " ( "));
        }

        // Marks and value labels of a fit run over the fit's own range, the Xmin and Xmax its grid shows.
        auto* labels = f.Find<QComboBox>("CBValInd");
        labels->setCurrentIndex(1);
        emit labels->activated(1);
        f.Find<QComboBox>("CBMarks")->setCurrentIndex(1);
        f.Find<QCheckBox>("CheckBox1")->click();
        const Histogram fit = f.window.Model().ShownFitHistogram()->generated.histogram;
        QCOMPARE(f.Cell("StringGrid1", 0, 1), Q(StrNaCarku(fit.Min)));
        QCOMPARE(f.Chart().main.bars.front().label, StrBottomGraf(fit.Prob[0], fit.Min));
        QCOMPARE(f.Chart().main.bars.back().label, StrBottomGraf(fit.Prob[size_t(fit.Bins - 1)], fit.Max));
        QVERIFY(f.Chart().main.marks.visible);
    }

    void aWindowDestroyedDuringItsFitWaitsForItAndLeavesNothing()
    {
        // As at the program's end while a fit runs.
        auto f = std::make_unique<RawDataFixture>();
        f->window.Start();
        f->Open(NormalData);
        f->Find<QPushButton>("BuParam")->click();
        QVERIFY(f->window.FitRunning());
        const QPointer<QThread> fit = f->window.findChild<QThread*>();
        QVERIFY(fit);
        f.reset();
        QVERIFY(fit.isNull());
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
        f.Find<QComboBox>(names::CBTypHist)->setFocus();
        raw->close();
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
        QCOMPARE(f.Find<QComboBox>(names::CBTypHist)->currentIndex(), 0);
        // The main window's histogram takes the queries again.
        QCOMPARE(f.window->focusWidget(), f.Edit(names::EditXY));
        QVERIFY(f.Find<QToolButton>(names::BChar)->isEnabled());

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
        QTest::addColumn<QString>("hint");
        // clang-format off
        QTest::newRow("Czech") << int(Language::Czech) << QString::fromUtf8("  Morvik :   Prvotní data")
                               << QString::fromUtf8("Počet dat") << QString::fromUtf8("Těsnost")
                               << QString::fromUtf8("  Datový soubor  ") << "NeParam"
                               << QString::fromUtf8("Otevřít dat.soubor ");
        QTest::newRow("English") << int(Language::English) << "  Morvik :   Raw data" << "Number of values"
                                 << "Closeness" << "  Data file  " << "NotParam" << "Open data file ";
        // clang-format on
    }
    void captionsInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, count);
        QFETCH(QString, closeness);
        QFETCH(QString, group);
        QFETCH(QString, button);
        QFETCH(QString, hint);
        RawDataFixture f;
        SetLanguage(static_cast<Language>(language));
        f.window.ApplyLanguage(static_cast<Language>(language));
        QCOMPARE(f.window.windowTitle(), title);
        QCOMPARE(f.Cell("StringGrid3", 0, 0), count);
        QCOMPARE(f.Cell("StringGrid4", 0, 0), closeness);
        QCOMPARE(f.Find<QGroupBox>("GroupBox2")->title(), group);
        QCOMPARE(f.Find<QPushButton>("Button2")->text(), button);
        QCOMPARE(f.Find<QToolButton>("OpenData")->toolTip(), hint);

        // The captions of the small grids are not cut at the window's usual size.
        f.window.resize(1000, 590);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        for (const char* name : {"StringGrid3", "StringGrid6", "StringGrid4"}) {
            auto* grid = f.Find<QTableWidget>(name);
            for (int row = 0; row < grid->rowCount(); ++row) {
                const QString caption = grid->item(row, 0)->text();
                QVERIFY2(grid->fontMetrics().horizontalAdvance(caption) < grid->columnWidth(0), qPrintable(caption));
            }
        }
    }

    void graphExportWritesTheTickedPicture_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        // clang-format off
        QTest::newRow("bitmap") << "Bitmapa" << "bmp" << QByteArray("BM");
        QTest::newRow("vector") << "Metafile" << "svg" << QByteArray("<?xml");
        QTest::newRow("JPEG") << "JPGFile" << "jpg" << QByteArray("\xFF\xD8");
        // clang-format on
    }
    void graphExportWritesTheTickedPicture()
    {
        QFETCH(QString, target);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        auto* menu = f.Find<QMenu>("PopupMenu2");
        QAction* ticked = menu->findChild<QAction*>(target);
        QVERIFY(ticked);
        ticked->trigger();
        for (QAction* action : menu->actions()) QCOMPARE(action->isChecked(), action == ticked);

        const QString path = f.dir.path() + "/chart." + suffix;
        f.dialogs.AnswerPath(path.toStdString());
        f.Find<QToolButton>("UlozGraf")->click();
        const RecordedDialog& picture = f.dialogs.Last();
        // Bitmap and vector go through the save dialog, JPEG through the picture dialog.
        QCOMPARE(picture.type, suffix == "jpg" ? DialogType::SavePicture : DialogType::SaveFile);
        QCOMPARE(picture.file.folder, f.context.folders.GraphsFolder);
        QCOMPARE(QString::fromStdString(picture.file.defaultSuffix), suffix);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(start));
        file.close();

        // An existing file is replaced only after Yes.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        f.dialogs.AnswerPath(path.toStdString());
        f.dialogs.AnswerNo();
        f.Find<QToolButton>("UlozGraf")->click();
        QCOMPARE(f.dialogs.Last().buttons, DialogButtons::YesNo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QVERIFY(f.dialogs.Mismatches().empty());
    }

    void charAndGridHelpDescribeWhatIsShown()
    {
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        auto help = [&](const char* grid) {
            emit f.Find<QTableWidget>(grid)->cellClicked(0, 1);
            return f.dialogs.Last();
        };
        struct Case {
            const char* grid;
            int title;
            std::string text;
        };
        const Case data[] = {
            {"StringGrid1", 1, TextCis(154)}, {"StringGrid3", 1, TextCis(155)}, {"StringGrid6", 79, TextCis(160)}};
        for (const Case& c : data) {
            const RecordedDialog shown = help(c.grid);
            QCOMPARE(shown.title, TextCis(c.title));
            QCOMPARE(shown.text, c.text);
            QCOMPARE(shown.kind, DialogKind::Information);
        }
        f.Find<QPushButton>("BChar")->click();
        QCOMPARE(f.dialogs.Last().title, TextCis(79));
        QVERIFY(f.dialogs.Last().text.starts_with(TextCis(106)));

        // With a fit shown, both speak of the fit.
        QVERIFY(f.Fit());
        const std::string type = f.ChosenType();
        QCOMPARE(help("StringGrid6").text, FormatText(161, type));
        f.Find<QPushButton>("BChar")->click();
        QVERIFY(f.dialogs.Last().text.starts_with(TextCis(214) + type));
    }

    void displayOptionsRedrawTheChart()
    {
        RawDataFixture f;
        f.window.Start();
        f.Open(NormalData);
        auto* marks = f.Find<QCheckBox>("CheckBox1");
        auto* styles = f.Find<QComboBox>("CBMarks");
        auto* angle = f.Find<QSpinBox>("SpinEdAngle");
        auto* labels = f.Find<QComboBox>("CBValInd");

        marks->click();
        QVERIFY(f.Chart().main.marks.visible);
        styles->setCurrentIndex(3);
        QCOMPARE(f.Chart().main.marks.style, MarkStyleOfItem(3));
        // Turning the marks: the box is unticked, the marks hidden; ticked again they stand at the new angle.
        angle->setValue(44);
        QVERIFY(!marks->isChecked());
        QVERIFY(!f.Chart().main.marks.visible);
        marks->click();
        QCOMPARE(f.Chart().main.marks.angle, 44);
        // Passing through a field without typing keeps them.
        f.Edit("EdMin")->setFocus();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(f.Edit("EdMin"), &out);
        QVERIFY(marks->isChecked());
        // Every build starts with the marks hidden.
        f.Find<QPushButton>("Button2")->click();
        QVERIFY(!marks->isChecked());
        QVERIFY(!f.Chart().main.marks.visible);

        // Values or interval numbers under the bars; the main window is told.
        QSignalSpy told(&f.window, &RawDataWindow::indexLabelsChanged);
        labels->setCurrentIndex(1);
        emit labels->activated(1);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.at(0).at(0).toBool(), false);
        QCOMPARE(f.Chart().bottomAxisTitle, TextCis(157));
        QVERIFY(f.Chart().main.bars[0].label != "0");
        labels->setCurrentIndex(0);
        emit labels->activated(0);
        QCOMPARE(f.Chart().bottomAxisTitle, std::string("Index   f(z)"));
        QCOMPARE(f.Chart().main.bars[0].label, std::string("0"));
    }

    void settingsAreReadAndWritten()
    {
        RawDataFixture f(
            "[--  Position  --]\nPrvotniData-Form14.width=900\nPrvotniData-Form14.Eps=1E-6\n"
            "PrvotniData-Form14.PocetIntervalu=64\n[--  Setting  --]\n"
            "PrvotniData-Form14.CBMarks.ItemIndex=4\nPrvotniData-Form14.SpinEdAngle.Value=44\n"
            "PrvotniData-Form14.Color- GRAF pozad\u00ed PR=255\n");
        f.window.Start();
        QCOMPARE(f.window.width(), 900);
        QCOMPARE(f.Edit("EdEps")->text(), QString("1E-6"));
        QCOMPARE(f.Edit("EdPocetIntervalu")->text(), QString("64"));
        QCOMPARE(f.Find<QComboBox>("CBMarks")->currentIndex(), 4);
        QCOMPARE(f.Find<QSpinBox>("SpinEdAngle")->value(), 44);
        f.Open(NormalData);
        QCOMPARE(f.Chart().main.bars.size(), size_t(64));
        QCOMPARE(f.Chart().backgroundColour, Colour(255));

        f.Enter("EdPocetIntervalu", "100");
        f.Find<QComboBox>("CBMarks")->setCurrentIndex(1);
        f.Find<QSpinBox>("SpinEdAngle")->setValue(30);
        f.window.close();
        const SettingsFile& written = f.context.settings;
        QCOMPARE(written.ReadString(PositionSection, "PrvotniData-Form14.PocetIntervalu", ""), std::string("100"));
        QCOMPARE(written.ReadString(PositionSection, "PrvotniData-Form14.Eps", ""), std::string("1E-6"));
        QCOMPARE(written.ReadInteger(SettingSection, "PrvotniData-Form14.CBMarks.ItemIndex", -1), 1);
        QCOMPARE(written.ReadInteger(SettingSection, "PrvotniData-Form14.SpinEdAngle.Value", -1), 30);
        QCOMPARE(written.ReadColour(SettingSection, "PrvotniData-Form14.Color- GRAF pozad\u00ed PR", 0), Colour(255));
        QCOMPARE(written.ReadInteger(PositionSection, "PrvotniData-Form14.width", -1), 900);
    }
};

MORVIK_GUI_TEST(RawDataWindowTest);
#include "RawDataWindowTest.moc"
