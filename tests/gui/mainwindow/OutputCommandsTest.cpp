// The main window's output commands: the chart export to each target, the screen capture, the word processor
// and the viewers, with the desktop's programs replaced by recorders.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/GraphExport.h"
#include "distribution/DistributionFunctionWindow.h"
#include "kit/DesktopCommands.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/ToolWindows.h"
#include "parametric/ParametricWindow.h"
#include "shell/DateTimeText.h"
#include "shell/Folders.h"
#include "shell/GraphTargetSetting.h"

using namespace morvik;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points the program's temporary folder at an empty folder of the test for as long as it lives.
class TemporaryFolderWatch {
public:
    TemporaryFolderWatch() : previous_(qgetenv("TMPDIR")) { qputenv("TMPDIR", folder_.path().toUtf8()); }
    ~TemporaryFolderWatch() { qputenv("TMPDIR", previous_); }
    QStringList Left() const { return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
};

const char* const TargetItems[] = {"Schranka", "Bitmapa", "Metafile", "JPGFile"};

std::vector<const char*> CheckedTargets(const test::MainWindowFixture& f)
{
    std::vector<const char*> checked;
    for (const char* item : TargetItems) {
        if (f.Action(item)->isChecked()) checked.push_back(item);
    }
    return checked;
}

}  // namespace

class GraphExportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void targetItemsKeepExactlyOneTickedAndTheChoiceIsStored()
    {
        test::MainWindowFixture f;
        QCOMPARE(CheckedTargets(f), std::vector<const char*>{"Schranka"});
        struct Click {
            const char* item;
            const char* checked;
        };
        const Click clicks[] = {
            {"Schranka", "Bitmapa"},  // unticking the clipboard falls to the bitmap
            {"JPGFile", "JPGFile"},   {"Metafile", "Metafile"},
            {"Metafile", "Schranka"},  // unticking any other target falls to the clipboard
            {"JPGFile", "JPGFile"},
        };
        for (const Click& click : clicks) {
            f.Action(click.item)->trigger();
            QCOMPARE(CheckedTargets(f), std::vector<const char*>{click.checked});
        }
        f.window->WriteSettings();
        QCOMPARE(ReadGraphTarget(f.context.settings), GraphTarget::Jpeg);

        test::MainWindowFixture next(f.context.settings.Text());
        QCOMPARE(CheckedTargets(next), std::vector<const char*>{"JPGFile"});
    }

    void everyFileTargetWritesItsPicture_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("dialog");
        // clang-format off
        QTest::newRow("bitmap") << "Bitmapa" << "bmp" << QByteArray("BM") << int(DialogType::SaveFile);
        QTest::newRow("vector") << "Metafile" << "svg" << QByteArray("<?xml") << int(DialogType::SaveFile);
        QTest::newRow("jpeg") << "JPGFile" << "jpg" << QByteArray("\xFF\xD8\xFF") << int(DialogType::SavePicture);
        // clang-format on
    }
    void everyFileTargetWritesItsPicture()
    {
        QFETCH(QString, item);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        QFETCH(int, dialog);
        test::MainWindowFixture f;
        const TemporaryFolderWatch temporary;
        f.Open(f.Fixture("uniform.dis"));
        f.Action(item.toLatin1().constData())->trigger();
        const QString path = QString::fromStdString(f.context.folders.GraphsFolder) + "/chart." + suffix;
        f.dialogs.Clear();
        f.dialogs.AnswerPath(path.toStdString());
        QVERIFY(f.Action(names::UlozGraf1)->isEnabled());
        f.Action(names::UlozGraf1)->trigger();

        const QByteArray written = FileBytes(path);
        QVERIFY2(written.startsWith(start), qPrintable(path));
        if (suffix == "svg") QVERIFY(written.contains("<svg"));
        else QVERIFY(!QImage::fromData(written).isNull());
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        const RecordedDialog& asked = f.dialogs.Last();
        QCOMPARE(int(asked.type), dialog);
        QCOMPARE(asked.file.folder, f.context.folders.GraphsFolder);
        QCOMPARE(QString::fromStdString(asked.file.defaultSuffix), suffix);
        QCOMPARE(QString::fromStdString(asked.file.filter),
                 QString("Distributions Files (*.%1)|*.%1|All files (*.*)|*.*").arg(suffix));
        QCOMPARE(temporary.Left(), QStringList());
    }

    // Whatever happens after the bitmap is made (overwrite, keep the old file, cancel), it does not stay.
    void jpegLeavesNoTemporaryBitmap_data()
    {
        QTest::addColumn<QString>("answer");
        // clang-format off
        QTest::newRow("yes") << "yes";
        QTest::newRow("no") << "no";
        QTest::newRow("cancel") << "cancel";
        // clang-format on
    }
    void jpegLeavesNoTemporaryBitmap()
    {
        QFETCH(QString, answer);
        test::MainWindowFixture f;
        const TemporaryFolderWatch temporary;
        f.Open(f.Fixture("uniform.dis"));
        f.Action("JPGFile")->trigger();
        const std::string path = f.Write(f.context.folders.GraphsFolder + "/old.jpg", "old picture");
        f.dialogs.Clear();
        if (answer == "cancel") {
            f.dialogs.AnswerCancel();
        } else {
            f.dialogs.AnswerPath(path);
            if (answer == "yes") f.dialogs.AnswerYes();
            else f.dialogs.AnswerNo();
        }
        f.Action(names::UlozGraf1)->trigger();

        QCOMPARE(temporary.Left(), QStringList());
        const QByteArray kept = FileBytes(QString::fromStdString(path));
        QCOMPARE(kept.startsWith("\xFF\xD8"), answer == "yes");
        if (answer != "cancel") QCOMPARE(f.dialogs.Last().text, FormatText(21, path));
    }

    // The chart windows' own "Graf" buttons export the same way, each from its own menu of targets.
    void chartWindowsExportThroughTheSameCommand_data()
    {
        QTest::addColumn<QString>("form");
        // clang-format off
        QTest::newRow("distribution function") << "TForm10";
        QTest::newRow("parametric distribution") << "TForm12";
        // clang-format on
    }
    void chartWindowsExportThroughTheSameCommand()
    {
        QFETCH(QString, form);
        test::MainWindowFixture f;
        ToolWindows tools(*f.window, f.context);
        f.Open(f.Fixture("uniform.dis"));
        QWidget* window = form == "TForm10" ? static_cast<QWidget*>(tools.Distribution()) : tools.Window(3);
        if (form == "TForm10") f.Action(names::KrivkaTrvZat)->trigger();
        else static_cast<ParametricWindow*>(window)->Start();
        QCOMPARE(window->objectName(), form);

        window->findChild<QAction*>("Bitmapa")->trigger();
        QVERIFY(!window->findChild<QAction*>("Schranka")->isChecked());
        const std::string path = f.context.folders.GraphsFolder + "/window.bmp";
        f.dialogs.Clear();
        f.dialogs.AnswerPath(path);
        window->findChild<QToolButton*>("UlozGraf")->click();
        QVERIFY(FileBytes(QString::fromStdString(path)).startsWith("BM"));
        QCOMPARE(f.dialogs.Last().file.folder, f.context.folders.GraphsFolder);
        // The main window's own choice is untouched.
        QVERIFY(f.Action("Schranka")->isChecked());
    }

    void clipboardTargetPutsTheChartThere()
    {
        test::MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        QGuiApplication::clipboard()->clear();
        f.dialogs.Clear();
        f.Action(names::UlozGraf1)->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasImage());
        QVERIFY(data->hasFormat("image/svg+xml"));
        QVERIFY(f.dialogs.Recorded().empty());
    }
};
MORVIK_GUI_TEST(GraphExportCommandTest);

class DesktopCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        SetProcessStarter({});
        SetUrlOpener({});
    }

    void wordProcessorTriesEachProgramUntilOneStarts()
    {
        test::MainWindowFixture f;
        QStringList tried;
        SetProcessStarter([&tried](const QString& program, const QStringList&, QString& reason) {
            tried << program;
            reason = QStringLiteral("not installed");
            return program == QLatin1String("abiword");
        });
        f.Action(names::OtevriWord1)->trigger();
        QCOMPARE(tried, (QStringList{"libreoffice", "abiword"}));
        QVERIFY(f.dialogs.Recorded().empty());

        // None starts: one message box names every program and its reason.
        SetProcessStarter([](const QString& program, const QStringList& arguments, QString& reason) {
            reason = program == QLatin1String("xdg-open") && arguments.value(0).endsWith(".odt")
                         ? QStringLiteral("no application for the new document")
                         : QStringLiteral("not installed");
            return false;
        });
        f.Find<QToolButton>(names::OtevriWord)->click();
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        for (const char* part : {"libreoffice : not installed", "abiword : not installed",
                                 "xdg-open : no application for the new document"}) {
            QVERIFY2(f.dialogs.Last().text.find(part) != std::string::npos, part);
        }
    }

    void viewersOpenTheGraphsFolderAndTheReaderTheGuide()
    {
        test::MainWindowFixture f;
        QStringList opened;
        SetUrlOpener([&opened](const QString& url) {
            opened << url;
            return true;
        });
        const QString graphs = QUrl::fromLocalFile(QString::fromStdString(f.context.folders.GraphsFolder)).toString();
        f.Action(names::VolejPicture1)->trigger();
        f.Action(names::ProhlSoubor1)->trigger();
        QCOMPARE(opened, (QStringList{graphs, graphs}));

        // No guide: message 128 names where it was looked for, and nothing is opened.
        f.context.folders.StartFolder = f.temp.path().toStdString() + "/program";
        const std::string guide = HelpFilePath(f.context.folders);
        f.Action(names::TextAdobe)->trigger();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(f.dialogs.Last().text, FormatText(128, guide));

        std::filesystem::create_directories(f.context.folders.StartFolder);
        f.Write(guide, "<html></html>");
        f.Action(names::TextAdobe)->trigger();
        QCOMPARE(opened.last(), QUrl::fromLocalFile(QString::fromStdString(guide)).toString());

        // The desktop has nothing to open the folder with: a message says so.
        SetUrlOpener([](const QString&) { return false; });
        f.dialogs.Clear();
        f.Action(names::VolejPicture1)->trigger();
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        QVERIFY(f.dialogs.Last().text.find(f.context.folders.GraphsFolder) != std::string::npos);
    }

    void screenCaptureLeavesAPictureOnTheClipboard()
    {
        test::MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QGuiApplication::clipboard()->clear();
        f.Action(names::UlozOkno1)->setEnabled(true);
        f.Action(names::UlozOkno1)->trigger();
        const QImage picture = QGuiApplication::clipboard()->image();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= f.window->width() && picture.height() >= f.window->height());
    }
};
MORVIK_GUI_TEST(DesktopCommandsTest);

// A separator item redraws the chart, whose title carries the date and time in the chosen form.
class SeparatorCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void theChartTitleFollowsTheSeparators()
    {
        test::MainWindowFixture f;
        f.Open(f.Fixture("uniform.dis"));
        struct Case {
            const char* item;
            char date;
            char time;
        };
        for (const Case& c : {Case{"lomitko1", '/', ':'}, Case{"tecka2", '/', '.'}, Case{"minus1", '-', '.'},
                              Case{"dvojtecka1", '-', ':'}, Case{"tecka1", '.', ':'}}) {
            f.Action(c.item)->trigger();
            QVERIFY(f.Action(c.item)->isChecked());
            const std::tm now = LocalTimeNow();
            const std::string& title = f.window->ChartContent().titleLines.at(0);
            QVERIFY2(title.find(DateText(now, c.date)) != std::string::npos, title.c_str());
            // " ( date , hh:mm:ss )": the time's two separators.
            const std::string time = title.substr(title.rfind(" , ") + 3, 8);
            QVERIFY2(time[2] == c.time && time[5] == c.time, title.c_str());
        }
    }
};
MORVIK_GUI_TEST(SeparatorCommandsTest);

#include "OutputCommandsTest.moc"
