// The fit ranking window: opened from the raw-data window after a fit, it shows the ranked fits with the raw
// data's rows, re-sorts them by any key (the distance keys from a chosen reference), removes the unsuitable fits
// it marks, shows the fit of a chosen row, and speaks both languages.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "FindNamed.h"
#include "GuiTest.h"
#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"
#include "rawdata/FitRankingWindow.h"
#include "rawdata/RawDataWindow.h"
#include "shell/SettingsFile.h"
#include "windows/WindowContext.h"

using namespace morvik;

namespace {

struct RankingFixture {
    QTemporaryDir dir;
    WindowContext context{SettingsFile::FromText(""), MakeFolders(dir.path().toStdString(), dir.path().toStdString())};
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    RawDataWindow window{context};
    FitRankingWindow* ranking = nullptr;

    // Opens `file`, fits and opens the ranking window with BTabChar.
    explicit RankingFixture(const char* file)
    {
        window.Start();
        dialogs.AnswerPath(std::string(MORVIK_FIXTURES) + "/rawdata/" + file);
        window.OpenDataClick();
        QSignalSpy finished(&window, &RawDataWindow::fitFinished);
        window.BuParamClick();
        if (!finished.wait(240000)) qFatal("the fit did not end");
        window.findChild<QPushButton*>(QStringLiteral("BTabChar"))->click();
        ranking = window.RankingWindow();
        if (!ranking) qFatal("no ranking window");
    }
    ~RankingFixture()
    {
        if (ranking) ranking->close();
    }

    template <typename T>
    T* Find(const char* name)
    {
        return test::FindNamed<T>(*ranking, name);
    }
    QString Cell(const char* grid, int row, int column) { return Find<QTableWidget>(grid)->item(row, column)->text(); }
    double Number(int row, int column) { return RankingNumber(Cell("SGChar", row, column).toStdString()); }
    int Count() { return ranking->Model().Count(); }
    QStringList Names()
    {
        QStringList names;
        for (int r = 1; r <= Count(); ++r) names << Cell("SGChar", r, 1);
        return names;
    }
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class FitRankingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }
    void cleanup() { SetLanguage(Language::English); }

    void openingAfterAFitShowsTheRankedFitsBesideTheRawData()
    {
        RankingFixture f("normal-2000.txt");
        QVERIFY(f.ranking->isVisible());
        QVERIFY(!f.window.isEnabled());
        QCOMPARE(f.ranking->windowTitle(),
                 QString("  Morvik : Table of applicable histograms with parametric probability distribution"));

        const std::vector<std::string> fits = f.window.Model().FitList();
        QCOMPARE(f.Count(), static_cast<int>(fits.size()));
        for (int r = 1; r <= f.Count(); ++r) {
            QCOMPARE(f.Cell("SGChar", r, 1), Q(fits[static_cast<size_t>(r - 1)]));
            QVERIFY(!f.Cell("SGChar", r, 12).isEmpty());  // the Kolmogorov-Smirnov distance
        }
        QCOMPARE(f.Cell("SGChar", 1, 0), QString("  1"));
        QCOMPARE(f.Cell("SGChar", 0, 2), QString(" Closeness"));
        QCOMPARE(f.Cell("SGCharPD", 1, 1), Q(TextCis(58)));
        const RawDataSet& data = *f.window.Model().Data();
        QCOMPARE(f.Cell("SGCharPDZ", 1, 1), Q(StrNaCarku(data.mean)));
        QCOMPARE(f.Cell("SGCharPDZ", 1, 2), Q(StrNaCarku(data.stdDev)));
        QVERIFY(!f.Find<QComboBox>("CBVyber")->isVisible());
        QCOMPARE(f.Find<QComboBox>("CBTypVyberu")->currentIndex(), 1);

        const ChartModel& reference = f.Find<ChartView>("Chart1")->model();
        QCOMPARE(reference.main.bars.size(), size_t(f.window.Model().Histogram()->n));
        QCOMPARE(reference.main.bars[0].colour, RgbColour(0, 0, 128));
        QVERIFY(!f.Find<ChartView>("Chart2")->isVisible());

        // BKonec closes it, keeps its place and enables the raw-data window again.
        f.Find<QPushButton>("BKonec")->click();
        QVERIFY(!f.ranking->isVisible());
        QVERIFY(f.window.isEnabled());
        QVERIFY(f.context.settings.Text().find("TabChar-Form19.width") != std::string::npos);
    }

    void aKeyWithAReferenceSortsByTheDistanceAndARowShowsItsFit()
    {
        RankingFixture f("normal-2000.txt");
        auto* keys = f.Find<QComboBox>("CBTypVyberu");
        auto* reference = f.Find<QComboBox>("CBVyber");
        const RawDataSet& data = *f.window.Model().Data();

        keys->setCurrentIndex(6);
        emit keys->activated(6);
        QVERIFY(reference->isVisible());
        const double s = RankingNumber(StrNaCarku(data.stdDev));
        for (int r = 2; r <= f.Count(); ++r)
            QVERIFY(std::fabs(f.Number(r - 1, 7) - s) <= std::fabs(f.Number(r, 7) - s));

        // The raw-data histogram's row as the reference.
        reference->setCurrentIndex(1);
        emit reference->activated(1);
        const double h = RankingNumber(f.Cell("SGCharPD", 1, 7).toStdString());
        for (int r = 2; r <= f.Count(); ++r)
            QVERIFY(std::fabs(f.Number(r - 1, 7) - h) <= std::fabs(f.Number(r, 7) - h));

        // A key without a reference sorts descending and hides the choice.
        keys->setCurrentIndex(2);
        emit keys->activated(2);
        QVERIFY(!reference->isVisible());
        for (int r = 2; r <= f.Count(); ++r) QVERIFY(f.Number(r - 1, 3) >= f.Number(r, 3));

        // Choosing the last row shows its own fit in the raw-data window and on Chart2.
        const int last = f.Count();
        const QString name = f.Cell("SGChar", last, 1);
        emit f.Find<QTableWidget>("SGChar")->cellClicked(last, 1);
        QCOMPARE(f.window.findChild<QComboBox*>(QStringLiteral("CBTypPara"))->currentText(), name);
        QVERIFY(f.Find<ChartView>("Chart2")->isVisible());
        const ChartModel& fit = f.Find<ChartView>("Chart2")->model();
        QVERIFY(!fit.main.bars.empty());
        QCOMPARE(fit.main.bars[0].colour, RgbColour(166, 202, 240));
        QVERIFY(f.window.findChild<ChartView*>(QStringLiteral("Chart1L"))
                    ->model()
                    .titleLines.at(0)
                    .starts_with(TextCis(108) + name.toStdString() + " ( "));
    }

    void theUnsuitableFitsAreMarkedAndPurged_data()
    {
        QTest::addColumn<int>("key");  // a re-sort before the purge; 0 none
        QTest::newRow("as ranked") << 0;
        QTest::newRow("re-sorted by standard deviation") << 6;
        QTest::newRow("re-sorted by mean") << 4;
    }
    void theUnsuitableFitsAreMarkedAndPurged()
    {
        QFETCH(int, key);
        RankingFixture f("gamma-3000.txt");
        auto* purge = f.Find<QCheckBox>("ChBVymazRadkuTab");
        const int from = f.ranking->Model().MarkedFrom();
        QVERIFY2(from > 0, "the gamma data have fits too wide or too narrow");
        QVERIFY(purge->isVisible());
        auto* grid = f.Find<QTableWidget>("SGChar");
        QVERIFY(grid->selectionModel()->isRowSelected(from, QModelIndex()));
        QVERIFY(!grid->selectionModel()->isRowSelected(from - 1, QModelIndex()));
        const QStringList marked = f.Names().mid(from - 1);
        QStringList kept = f.Names().mid(0, from - 1);

        if (key != 0) {
            auto* keys = f.Find<QComboBox>("CBTypVyberu");
            keys->setCurrentIndex(key);
            emit keys->activated(key);
            // The marking follows the marked fits to wherever the sort has put them.
            for (int r = 1; r <= f.Count(); ++r) {
                QCOMPARE(grid->selectionModel()->isRowSelected(r, QModelIndex()),
                         marked.contains(f.Cell("SGChar", r, 1)));
            }
        }
        purge->click();
        QVERIFY(!purge->isVisible());
        // Exactly the marked fits are gone, from the table and from the raw-data window's list.
        QStringList left = f.Names();
        left.removeAll(QString());
        left.sort();
        kept.sort();
        QCOMPARE(left, kept);
        for (const RankedFit& fit : f.window.Model().Ranking()->ranked) {
            const QString name = Q(FitTypeName(fit.type));
            if (marked.contains(name)) QCOMPARE(fit.closeness, 0.0);
            if (kept.contains(name)) QVERIFY(fit.closeness > 0);
        }
    }

    void theFitShowsAsHistogramOrProbabilityPlot()
    {
        RankingFixture f("normal-2000.txt");
        auto* views = f.Find<QComboBox>("CBFitView");
        auto* chart = f.Find<ChartView>("Chart2");
        const int normal = static_cast<int>(f.Names().indexOf(Q(FitTypeName(NormalType)))) + 1;
        QVERIFY(normal > 0);
        emit f.Find<QTableWidget>("SGChar")->cellClicked(normal, 1);
        QVERIFY(chart->isVisible());
        QVERIFY(!chart->model().main.bars.empty());
        QVERIFY(chart->model().scatter.points.empty());

        // The normal fit of normal data: its P-P points keep close to the line y = x.
        emit views->activated(1);
        const ChartModel& pp = chart->model();
        QVERIFY(pp.main.bars.empty());
        QVERIFY(pp.scatter.points.size() > 100);
        QCOMPARE(pp.scatter.low, 0.0);
        QCOMPARE(pp.scatter.high, 1.0);
        for (const ChartPoint& point : pp.scatter.points) QVERIFY(std::fabs(point.y - point.x) < 0.05);

        // Q-Q: the data's own values along the bottom axis, from the smallest to the largest.
        emit views->activated(2);
        const RawDataSet& data = *f.window.Model().Data();
        const ChartModel& qq = chart->model();
        QCOMPARE(qq.scatter.points.front().x, data.dataMin);
        QCOMPARE(qq.scatter.points.back().x, data.dataMax);
        QVERIFY(qq.scatter.low <= data.dataMin);

        // The plot is exported as the chart shows it.
        f.ranking->findChild<QMenu*>(QStringLiteral("PopupMenu2"))
            ->findChild<QAction*>(QStringLiteral("Metafile"))
            ->trigger();
        const QString path = f.dir.path() + "/qq.svg";
        f.dialogs.AnswerPath(path.toStdString());
        f.Find<QToolButton>("UlozGraf")->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));

        emit views->activated(0);
        QVERIFY(!chart->model().main.bars.empty());
    }

    void captionsInBothLanguages()
    {
        RankingFixture f("normal-2000.txt");
        SetLanguage(Language::Czech);
        f.window.ApplyLanguage(Language::Czech);
        QCOMPARE(f.ranking->windowTitle(),
                 QString("  Morvik : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"));
        QCOMPARE(f.Find<QLabel>("Label3")->text(), QString("Seřadit podle : "));
        QCOMPARE(f.Find<QCheckBox>("ChBVymazRadkuTab")->text(), QString("Odstranit ?"));
        QCOMPARE(f.Find<QComboBox>("CBTypVyberu")->itemText(1), QString("Těsnost"));
        QCOMPARE(f.Find<QComboBox>("CBVyber")->itemText(1), QString("Histogram prvotních dat"));
        QCOMPARE(f.Cell("SGChar", 0, 2), QString(" Těsnost"));
        QCOMPARE(f.Cell("SGChar", 0, 11), Q(" " + TextCis(108)));
        QCOMPARE(f.Cell("SGCharPDZ", 0, 2), QString(" Směrodatná odchylka"));
        QCOMPARE(f.Find<QComboBox>("CBFitView")->itemText(1), QString("P-P graf"));

        SetLanguage(Language::English);
        f.window.ApplyLanguage(Language::English);
        QCOMPARE(f.Find<QLabel>("Label3")->text(), QString("Sort at : "));
        QCOMPARE(f.Find<QCheckBox>("ChBVymazRadkuTab")->text(), QString("Eliminate ?"));
        QCOMPARE(f.Find<QComboBox>("CBTypVyberu")->itemText(6), QString("Standard deviation"));
        QCOMPARE(f.Find<QComboBox>("CBVyber")->itemText(0), QString("Raw data"));
        QCOMPARE(f.Cell("SGChar", 0, 6), QString(" Dispersion"));
        QCOMPARE(f.Cell("SGCharPD", 0, 1), QString(" Type"));
        QCOMPARE(f.Find<QComboBox>("CBFitView")->itemText(2), QString("Q-Q plot"));
    }
};

MORVIK_GUI_TEST(FitRankingWindowTest);
#include "FitRankingWindowTest.moc"
