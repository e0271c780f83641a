// The distribution-function window: opened from the main window on the histogram it shows (and not without
// one), F(x) as bars and as a table of either kind, its caption and texts in both languages, and closing it
// gives the main window back unchanged.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "FindNamed.h"
#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/ChartColour.h"
#include "chart/ChartToolbar.h"
#include "chart/ChartView.h"
#include "common/NumberText.h"
#include "distribution/DistributionFunctionWindow.h"
#include "kit/IntervalTableView.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;

namespace {

struct DistributionFixture : test::MainWindowFixture {
    ToolWindows tools{*window, context};
    DistributionFunctionWindow& distribution = *tools.Distribution();

    template <typename T>
    T* Child(const char* name)
    {
        return test::FindNamed<T>(distribution, name);
    }
    const ChartModel& Chart() { return Child<ChartView>("Chart1L")->model(); }
    IntervalTableView* Table() { return Child<IntervalTableView>("StringGrid2"); }
    void OpenWindow() { Action(names::KrivkaTrvZat)->trigger(); }
};

}  // namespace

class DistributionFunctionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::Czech); }

    void withoutAHistogramTheCommandDoesNothing()
    {
        DistributionFixture f;
        QVERIFY(!f.Action(names::KrivkaTrvZat)->isEnabled());
        QVERIFY(!f.Find<QWidget>(names::KrivkaTrvani)->isEnabled());
        // Even when reached some other way, nothing opens and the main window stays usable.
        f.Action(names::KrivkaTrvZat)->setEnabled(true);
        f.OpenWindow();
        QVERIFY(!f.distribution.isVisible());
        QVERIFY(f.window->isEnabled());
        QVERIFY(!f.distribution.Model().has_value());
    }

    void opensOnTheShownHistogramAndClosesBackToIt()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(f.Action(names::KrivkaTrvZat)->isEnabled());
        QVERIFY(f.Find<QWidget>(names::KrivkaTrvani)->isEnabled());
        const std::vector<std::string> title = f.window->ChartContent().titleLines;
        f.OpenWindow();
        QVERIFY(f.distribution.isVisible());
        QVERIFY(!f.window->isEnabled());
        QCOMPARE(f.distribution.windowTitle(), QString::fromStdString(FormatText(59, "uniform")));

        // Ten equal intervals: F(x) rises by a tenth per bar up to 1.
        const ChartModel& chart = f.Chart();
        QCOMPARE(chart.main.bars.size(), size_t(10));
        for (size_t i = 0; i < 10; ++i) QVERIFY(std::abs(chart.main.bars[i].height - (i + 1) / 10.0) < 1e-12);
        QCOMPARE(chart.titleLines, title);
        QCOMPARE(chart.leftAxisTitle, TextCis(159));

        // A Discrete table: headings, the lower edge, then a centre and an upper-edge row per interval; the
        // interval rows shaded.
        IntervalTableView* table = f.Table();
        QCOMPARE(table->rowCount(), 22);
        QCOMPARE(table->Text(0, 2).trimmed(), QString("F(x)"));
        QCOMPARE(table->Text(1, 2), QString::fromStdString(StrNaCarku(0)));
        QCOMPARE(table->Text(21, 2), QString::fromStdString(StrNaCarku(1)));
        QCOMPARE(table->Background(2, 1), ToQColor(DistributionFunctionModel::ShadedRowColour));
        QVERIFY(table->Background(3, 1) != ToQColor(DistributionFunctionModel::ShadedRowColour));

        // The command bar only when the window spans the screen.
        QVERIFY(!f.Child<ChartToolbar>("Panel2")->isVisible());

        f.Child<QPushButton>("ExitBtn")->click();
        QVERIFY(!f.distribution.isVisible());
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
        QCOMPARE(f.window->ChartContent().main.bars.size(), size_t(10));
    }

    void aPureDiscreteTableHasARowPerValue()
    {
        DistributionFixture f;
        f.Open(f.Fixture("dice.dis"));
        if (f.window->Model().Kind != HistogramKind::PureDiscrete) QSKIP("dice.dis opens as Discrete");
        f.OpenWindow();
        QCOMPARE(f.Table()->rowCount(), 7);
        for (int row = 1; row <= 6; ++row) {
            QCOMPARE(f.Table()->Background(row, 1), ToQColor(DistributionFunctionModel::ShadedRowColour));
        }
        QVERIFY(std::abs(f.Chart().main.bars.back().height - 1.0) < 1e-12);
        f.distribution.close();
        QVERIFY(f.window->isEnabled());
    }

    void marksAndLabelKindFollowTheOptions()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        QVERIFY(!f.Chart().main.marks.visible);
        f.Child<QCheckBox>("CheckBox1")->setChecked(true);
        QVERIFY(f.Chart().main.marks.visible);

        // Index labels chosen here: the chart numbers the bars and the main window follows.
        auto* kinds = f.Child<QComboBox>("CBValInd");
        kinds->setCurrentIndex(0);
        emit kinds->activated(0);
        QCOMPARE(f.Chart().main.bars[3].label, std::string("3"));
        QVERIFY(f.window->Options().index1);
        f.distribution.close();
        QVERIFY(f.window->isEnabled());
    }

    void theGraphGoesToAPictureFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        // clang-format off
        QTest::newRow("bitmap") << "Bitmapa" << "bmp" << QByteArray("BM");
        QTest::newRow("vector") << "Metafile" << "svg" << QByteArray("<?xml");
        QTest::newRow("JPEG") << "JPGFile" << "jpg" << QByteArray("\xff\xd8");
        // clang-format on
    }
    void theGraphGoesToAPictureFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        f.Child<QAction>(target.toLatin1().constData())->trigger();
        QVERIFY(f.Child<QAction>(target.toLatin1().constData())->isChecked());
        QVERIFY(!f.Child<QAction>("Schranka")->isChecked());
        const std::string path = f.context.folders.GraphsFolder + "/curve." + suffix.toStdString();
        f.dialogs.AnswerPath(path);
        f.Child<QToolButton>("UlozGraf")->click();
        // Bitmap and vector go through the save dialog, JPEG through the picture dialog.
        QCOMPARE(f.dialogs.Last().type, suffix == "jpg" ? DialogType::SavePicture : DialogType::SaveFile);
        QCOMPARE(f.dialogs.Last().file.folder, f.context.folders.GraphsFolder);
        QCOMPARE(f.dialogs.Last().file.defaultSuffix, suffix.toStdString());
        std::ifstream file(path, std::ios::binary);
        std::string head(static_cast<size_t>(start.size()), '\0');
        file.read(head.data(), start.size());
        QCOMPARE(QByteArray::fromStdString(head), start);

        // An existing picture stays unless the user agrees.
        const auto before = std::filesystem::last_write_time(path);
        f.dialogs.AnswerPath(path);
        f.dialogs.AnswerNo();
        f.Child<QToolButton>("UlozGraf")->click();
        QCOMPARE(f.dialogs.Last().text, FormatText(21, path));
        QCOMPARE(std::filesystem::last_write_time(path), before);
        QVERIFY(f.distribution.isVisible());
    }

    void theGraphGoesToTheClipboardFirst()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        QGuiApplication::clipboard()->clear();
        f.dialogs.Clear();
        QVERIFY(f.Child<QAction>("Schranka")->isChecked());
        f.Child<QToolButton>("UlozGraf")->click();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(f.dialogs.Recorded().empty());
    }

    void theScreenGoesToTheClipboard()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        QGuiApplication::clipboard()->clear();
        f.Child<QToolButton>("SpeedButton1")->click();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(f.distribution.isVisible());
    }

    // Without any word processor on the path the user learns why none started; nothing else changes.
    void noWordProcessorIsReported()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        f.dialogs.Clear();
        f.Child<QToolButton>("OtevriWord")->click();
        qputenv("PATH", path);
        QCOMPARE(f.dialogs.Recorded().size(), size_t(1));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QVERIFY(f.dialogs.Last().text.find("libreoffice") != std::string::npos);
        QVERIFY(f.dialogs.Last().text.find("abiword") != std::string::npos);
        QVERIFY(f.distribution.isVisible());
    }

    // Closing takes the main window's query answer off its chart and empties the query fields.
    void closingClearsTheMainWindowsQuery()
    {
        DistributionFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Type(names::EditXY, "3.5");
        f.window->ValueQueryExit();
        QVERIFY(!f.window->ChartContent().overlay.bars.empty());
        f.OpenWindow();
        f.distribution.close();
        QVERIFY(f.window->isEnabled());
        QVERIFY(f.Edit(names::EditXY)->text().isEmpty());
        QVERIFY(f.Edit(names::EditP)->text().isEmpty());
        QVERIFY(f.window->ChartContent().overlay.bars.empty());
        QCOMPARE(f.window->ChartContent().main.bars.size(), size_t(10));
    }

    void textsInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("valueItem");
        QTest::addColumn<QString>("exitHint");
        // clang-format off
        QTest::newRow("Czech") << int(Language::Czech) << "Hodnota  x" << QString::fromUtf8("Zavřít");
        QTest::newRow("English") << int(Language::English) << "Value  x" << "Close";
        // clang-format on
    }
    void textsInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, valueItem);
        QFETCH(QString, exitHint);
        DistributionFixture f;
        if (static_cast<Language>(language) == Language::English) f.window->EnglishClick();
        else f.window->CzechClick();
        f.Open(f.Fixture("uniform.dis"));
        f.OpenWindow();
        QCOMPARE(f.distribution.windowTitle(), QString::fromStdString(FormatText(59, "uniform")));
        QCOMPARE(f.Child<QComboBox>("CBValInd")->itemText(1), valueItem);
        QCOMPARE(f.Child<QPushButton>("ExitBtn")->toolTip().trimmed(), exitHint);
        // The marks captions and the clipboard target take the main window's words; the tool bar buttons have
        // their hints.
        for (const char* shared : {"Label1", "Label2"}) {
            QCOMPARE(f.Child<QLabel>(shared)->text(), f.Find<QLabel>(shared)->text());
        }
        QCOMPARE(f.Child<QCheckBox>("CheckBox1")->text(), f.Find<QCheckBox>("CheckBox1")->text());
        QCOMPARE(f.Child<QAction>("Schranka")->text(), f.Action(names::Schranka)->text());
        for (const char* tool : {"SpeedButton1", "UlozGraf", "OtevriWord"}) {
            QVERIFY2(!f.Child<QToolButton>(tool)->toolTip().isEmpty(), tool);
        }
        QCOMPARE(f.Chart().leftAxisTitle, TextCis(159));
        f.distribution.close();
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
    }
};

MORVIK_GUI_TEST(DistributionFunctionWindowTest);
#include "DistributionFunctionWindowTest.moc"
