// The parametric distribution window: opening resets it, user edits reach the generation, refusals come as
// dialogs and put the accepted texts back, and closing hands the histogram over.
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FindNamed.h"
#include "GuiTest.h"
#include "IntervalTableChecks.h"
#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "kit/IntervalTableView.h"
#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"
#include "parametric/ParametricWindow.h"
#include "shell/WindowPlacement.h"
#include "windows/WindowContext.h"

using namespace morvik;

namespace {

// A window of its own run: an empty settings file and folders in a temporary directory.
struct ParametricFixture {
    QTemporaryDir dir;
    WindowContext context{SettingsFile::FromText(""), MakeFolders(dir.path().toStdString(), dir.path().toStdString())};
    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed{dialogs};
    ParametricWindow window{context};

    template <typename T>
    T* Find(const char* name)
    {
        return test::FindNamed<T>(window, name);
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }

    // The user replaces the text of a field by typing and leaves it.
    void Enter(const char* name, const QString& typed)
    {
        QLineEdit* edit = Edit(name);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }
    void ChooseType(int type)
    {
        auto* list = Find<QComboBox>("CBTypRozdeleni");
        list->setCurrentIndex(type);
        emit list->activated(type);
    }
    QString Cell(const char* grid, int row, int column)
    {
        const QTableWidgetItem* item = Find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    const ChartModel& Chart() { return Find<ChartView>("Chart1L")->model(); }
};

}  // namespace

class ParametricWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }
    void cleanup() { SetLanguage(Language::English); }

    void startResetsTheWindowAndComputesOnce()
    {
        ParametricFixture f;
        f.window.Start();
        f.ChooseType(WeibullType);
        f.Enter("EdPara1", "3");
        f.Find<QCheckBox>("ChB_TypHist")->click();
        f.Find<QCheckBox>("CheckBox1")->setChecked(true);
        QVERIFY(f.dialogs.Recorded().empty());

        f.window.Start();
        QCOMPARE(f.Find<QComboBox>("CBTypRozdeleni")->currentIndex(), 0);
        QVERIFY(!f.Find<QCheckBox>("ChB_TypHist")->isChecked());
        QVERIFY(!f.Find<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(f.Edit("EdPara1")->text(), QString("10"));
        QCOMPARE(f.Edit("EdPara2")->text(), QString("1"));
        QCOMPARE(f.Find<QLabel>("LabPara1")->text(), QString::fromStdString(TextCis(89)));
        QCOMPARE(f.Find<QLabel>("LabPara2")->text(), QString::fromStdString(TextCis(90)));
        QVERIFY(f.Edit("EdPara3")->isHidden());
        QCOMPARE(f.Edit("EdMin")->text(), QString::fromStdString(StrNaCarku(f.window.Model().Shown()->min)));
        QVERIFY(f.Edit("EdMin")->isEnabled());
        QVERIFY(f.Find<ChartView>("Chart1L")->isVisible());
        QCOMPARE(f.Chart().titleLines.at(1),
                 std::string("Parametric distribution : Normal  F ( x |  Mi=10 , Sigma=1 )"));
        QCOMPARE(f.Chart().main.bars.size(), size_t(128));
        QCOMPARE(f.Find<IntervalTableView>("StringGrid2")->rowCount(), 2 * 128 + 3);
        QVERIFY(!f.Cell("StringGrid1", 2, 1).isEmpty());  // the median
        QVERIFY(f.dialogs.Recorded().empty());
    }

    void userEditsReachTheGeneration()
    {
        ParametricFixture f;
        f.window.Start();
        f.ChooseType(WeibullType);
        QCOMPARE(f.Find<QLabel>("LabPara2")->text(), QString("lambda"));
        QVERIFY(f.Edit("EdPara3")->isHidden());

        f.Enter("EdPara1", "1,5e0");  // the key filter turns the comma and the small e
        QCOMPARE(f.Edit("EdPara1")->text(), QString("1.5E0"));
        QCOMPARE(f.window.Model().Shown()->texts[0], std::string("1.5E0"));
        QVERIFY(f.Chart().titleLines.at(1).find("k=1.5E0") != std::string::npos);

        f.Enter("EdPocetIntervalu", "6x4");  // a letter is refused
        QCOMPARE(f.Edit("EdPocetIntervalu")->text(), QString("64"));
        QCOMPARE(f.Chart().main.bars.size(), size_t(64));
        QCOMPARE(f.Find<IntervalTableView>("StringGrid2")->rowCount(), 2 * 64 + 3);
        QVERIFY(f.Cell("StringGrid1", 0, 1) != f.Edit("EdMin")->text());  // half a width inside

        f.Find<QCheckBox>("ChB_TypHist")->click();  // Pure Discrete recomputes and lays values on the ends
        QCOMPARE(f.Find<IntervalTableView>("StringGrid2")->rowCount(), 64 + 2);
        QCOMPARE(f.Cell("StringGrid1", 0, 1), f.Edit("EdMin")->text());
        QCOMPARE(f.Cell("StringGrid1", 1, 1), f.Edit("EdMax")->text());

        f.Enter("EdMax", "50");  // the same probabilities over a wider range
        QCOMPARE(f.Edit("EdMax")->text(), QString("50.0000"));
        QCOMPARE(f.Cell("StringGrid1", 1, 1), QString("50.0000"));

        f.Enter("EdEps", "1E-3");
        QCOMPARE(f.Edit("EdEps")->text(), QString("1E-3"));
        QVERIFY(f.dialogs.Recorded().empty());
        QVERIFY(f.Find<ChartView>("Chart1L")->isVisible());
    }

    void refusalsShowTheirMessageAndPutTheTextBack_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");  // the field's text afterwards; empty: the text before
        auto text = [](int n) { return QString::fromStdString(TextCis(n)); };
        // clang-format off
        QTest::newRow("88 too few intervals") << "EdPocetIntervalu" << "2" << text(88) + "1024 !" << "";
        QTest::newRow("88 too many") << "EdPocetIntervalu" << "2000" << text(88) + "1024 !" << "";
        QTest::newRow("97 Eps zero") << "EdEps" << "0" << text(97) << "";
        QTest::newRow("98 Eps above 1") << "EdEps" << "2" << text(98) << "";
        QTest::newRow("99 Eps no number") << "EdEps" << "1E" << text(99) + " Eps : 1E" << "";
        QTest::newRow("parameter not > 0") << "EdPara2" << "-1"
                                           << text(503) + "\r\n\r\n     Sigma" + text(504) << "-1";
        QTest::newRow("parameter no number") << "EdPara1" << "1-2"
                                             << text(501) + "\r\n\r\n        " + text(502) + "Mi : 1-2" << "";
        QTest::newRow("Min above Max") << "EdMin" << "100" << "MinX >= MaxX !" << "";
        QTest::newRow("Max no number") << "EdMax" << "-" << text(99) + " MaxX -" << "";
        // clang-format on
    }
    void refusalsShowTheirMessageAndPutTheTextBack()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, after);
        ParametricFixture f;
        f.window.Start();
        const QByteArray name = field.toLatin1();
        const QString before = f.Edit(name.constData())->text();

        f.Enter(name.constData(), typed);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.dialogs.Last().text), message);
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QCOMPARE(f.dialogs.Last().title, TextCis(3));
        QCOMPARE(f.Edit(name.constData())->text(), after.isEmpty() ? before : after);
    }

    void refusalsLeaveTheLayoutAlone_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        // clang-format off
        QTest::newRow("Weibull k -1") << int(WeibullType) << "EdPara1" << "-1";
        QTest::newRow("2 intervals") << 0 << "EdPocetIntervalu" << "2";
        QTest::newRow("1025 intervals") << 0 << "EdPocetIntervalu" << "1025";
        QTest::newRow("Min above Max") << 0 << "EdMin" << "100";
        QTest::newRow("Sigma -1") << 0 << "EdPara2" << "-1";
        QTest::newRow("Eps 0") << 0 << "EdEps" << "0";
        // clang-format on
    }
    void refusalsLeaveTheLayoutAlone()
    {
        QFETCH(int, type);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        ParametricFixture f;
        f.window.resize(1000, 700);
        f.window.Start();
        if (type != 0) f.ChooseType(type);
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const char* watched[] = {"CBMarks", "SpinEdAngle", "CheckBox1", "CBValInd",    "Chart1L",    "Label6",
                                 "EdEps",   "EdMin",       "EdMax",     "StringGrid1", "StringGrid2"};
        auto places = [&] {
            QList<QRect> rects;
            for (const char* name : watched) {
                auto* widget = f.Find<QWidget>(name);
                rects.append(QRect(widget->mapTo(&f.window, QPoint(0, 0)), widget->size()));
            }
            return rects;
        };
        QCoreApplication::processEvents();
        const QList<QRect> before = places();
        const bool epsShown = f.Edit("EdEps")->isVisible();

        const QByteArray name = field.toLatin1();
        f.Enter(name.constData(), typed);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        QCoreApplication::processEvents();
        QCOMPARE(places(), before);
        QCOMPARE(f.Edit("EdEps")->isVisible(), epsShown);
    }

    void intervalTableColumnsFitTheirTexts()
    {
        ParametricFixture f;
        f.window.Start();
        auto* table = f.Find<IntervalTableView>("StringGrid2");
        QVERIFY(table->rowCount() > 0);
        QCOMPARE(test::FirstCutText(*table), QString());
    }

    void closingHandsTheHistogramOverAndKeepsTheSettings()
    {
        ParametricFixture f;
        QSignalSpy results(&f.window, &ToolWindow::resultReady);
        f.window.Start();
        f.ChooseType(WeibullType);
        f.Enter("EdEps", "1E-5");
        f.Enter("EdPocetIntervalu", "200");
        f.window.close();
        QCOMPARE(results.size(), 1);
        const auto result = results.at(0).at(0).value<PublishedResult>();
        QCOMPARE(result.name, std::string("ParRoz_Weibull"));
        QCOMPARE(result.kind, HistogramKind::Discrete);
        QCOMPARE(result.histogram.Bins, 200);
        QVERIFY(std::abs(result.histogram.ProbabilitySum() - 1) < 1e-9);
        QVERIFY(result.histogram.Min > 0);  // the first midpoint, half a width above 0
        QCOMPARE(f.context.settings.ReadString(PositionSection, "ParamRozdel-Form12.Eps", ""), std::string("1E-5"));
        QCOMPARE(f.context.settings.ReadString(PositionSection, "ParamRozdel-Form12.PocetIntervalu", ""),
                 std::string("200"));
        QVERIFY(f.Cell("StringGrid1", 2, 1).isEmpty());

        // Opened again, it keeps the Eps; a refused computation then hands nothing over.
        f.window.Start();
        QCOMPARE(f.Edit("EdEps")->text(), QString("1E-5"));
        f.Enter("EdPara2", "-1");
        f.window.close();
        QCOMPARE(results.size(), 1);
    }

    void languageSwitchRenewsTheTypeDependentTexts()
    {
        ParametricFixture f;
        f.window.Start();
        f.Find<QComboBox>("CBMarks")->setCurrentIndex(3);
        f.Find<QSpinBox>("SpinEdAngle")->setValue(44);
        SetLanguage(Language::Czech);
        f.window.ApplyLanguage(Language::Czech);
        // A switch changes texts only: the chart options keep their values.
        QCOMPARE(f.Find<QComboBox>("CBMarks")->currentIndex(), 3);
        QCOMPARE(f.Find<QSpinBox>("SpinEdAngle")->value(), 44);
        QCOMPARE(f.window.windowTitle(), QString::fromUtf8("  Morvik :   Parametrické rozdělení"));
        QCOMPARE(f.Find<QComboBox>("CBTypRozdeleni")->itemText(0), QString::fromUtf8("Normální"));
        QCOMPARE(f.Find<QLabel>("LabPara1")->text(), QString::fromStdString(TextCis(89)));
        QVERIFY(f.Chart().titleLines.at(1).starts_with(TextCis(57) + " : Normální"));
        f.ChooseType(ExponentialType);
        QCOMPARE(f.window.Model().Shown()->name, std::string("ParRoz_Exponenciální"));
    }
};

MORVIK_GUI_TEST(ParametricWindowTest);
#include "ParametricWindowTest.moc"
