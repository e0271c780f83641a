// Takes the user guide's pictures of the real windows: morvik_guide_shots OUTPUT_FOLDER en|cs DATA_FOLDER.
// The windows run over a fresh family tree filled with the shipped examples; dialogs are answered by script.
// Each picture is saved with a reduced palette, so that the guide stays small.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "dialogs/ScriptedDialogSeam.h"
#include "distribution/DistributionFunctionWindow.h"
#include "editor/HistogramEditor.h"
#include "editor/HistogramTableWindow.h"
#include "kit/DesktopOpener.h"
#include "localization/MainWindowNames.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TableWindows.h"
#include "mainwindow/ToolWindows.h"
#include "rawdata/FitRankingWindow.h"
#include "rawdata/RawDataWindow.h"
#include "shell/AuxiliaryWindows.h"
#include "shell/DataFolder.h"
#include "shell/FirstStart.h"
#include "shell/HelpPages.h"
#include "shell/HelpViewer.h"
#include "shell/SettingsViewer.h"
#include "shell/VersionWindow.h"
#include "windows/WindowContext.h"

namespace {

using namespace morvik;

QString output;

void Settle(int milliseconds = 300)
{
    QTest::qWait(milliseconds);
    QApplication::processEvents();
}

// The widest picture the guide shows at full size, in the browser and in the built-in viewer alike.
constexpr int GuideWidth = 860;

void Shoot(QWidget* window, const char* name)
{
    Settle();
    QImage picture = window->grab().toImage();
    if (picture.width() > GuideWidth) picture = picture.scaledToWidth(GuideWidth, Qt::SmoothTransformation);
    picture = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString path = output + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!picture.save(path)) std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else std::printf("%s\n", qPrintable(path));
}

QAction* Action(MainWindow& main, const char* name) { return main.findChild<QAction*>(QString::fromLatin1(name)); }

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: morvik_guide_shots OUTPUT_FOLDER en|cs DATA_FOLDER\n");
        return 1;
    }
    output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    const bool czech = QString::fromLatin1(argv[2]) == QStringLiteral("cs");
    const std::string dataFolder = argv[3];

    ScriptedDialogSeam dialogs;
    ScopedDialogSeam installed(dialogs);
    SetDesktopOpener([](const QUrl&) { return false; });  // the help shows in the built-in viewer

    QTemporaryDir home;
    WindowContext context;
    context.folders = MakeFolders(home.path().toStdString(), dataFolder);
    PrepareFamilyFolders(context.folders, ExamplesFolder(dataFolder), true);
    const std::string settingsPath = home.path().toStdString() + "/Morvik.INI";
    std::ofstream(settingsPath) << "";
    context.settings = SettingsFile::Load(settingsPath);
    SetLanguage(Language::English);

    MainWindow main(context, MORVIK_VERSION);
    ToolWindows tools(main, context);
    AuxiliaryWindows auxiliary(main, context, MORVIK_VERSION);
    if (czech) main.CzechClick();
    main.move(0, 0);
    main.resize(960, 680);
    main.show();
    const std::string loads = context.folders.HistogramsRoot + "/Loads/";
    main.OpenHistogram(loads + "WindLoad.dis");
    main.findChild<QLineEdit*>(QStringLiteral("EditXY"))->setText(QStringLiteral("0.3"));
    main.ValueQueryExit();
    Shoot(&main, "main");

    // The distribution function of the histogram shown.
    Action(main, names::KrivkaTrvZat)->trigger();
    Shoot(tools.Distribution(), "distribution");
    tools.Distribution()->close();

    // The table of the histogram shown and the colours window.
    Action(main, names::PopisVysledku1)->trigger();
    Shoot(tools.Tables().IntervalTable(), "table");
    tools.Tables().IntervalTable()->close();
    Action(main, names::Barvy1)->trigger();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QStringLiteral("TForm5") || !window->isVisible()) continue;
        Shoot(window, "colours");
        window->close();
    }

    // The combination and summation tables.
    for (int item : {1, 2}) {
        main.ToolChoiceChange(item);
        Shoot(tools.Window(item), item == 1 ? "combination" : "summation");
        tools.Window(item)->close();
    }

    // A parametric histogram: the normal distribution as the window starts.
    main.ToolChoiceChange(3);
    Shoot(tools.Window(3), "parametric");
    tools.Window(3)->close();

    // Raw data: the wind speeds, their fit and the ranking of the fits.
    auto* raw = static_cast<RawDataWindow*>(tools.Window(4));
    main.ToolChoiceChange(4);
    raw->resize(1000, 680);
    dialogs.AnswerPath(context.folders.RawDataFolder + "/WindSpeed.txt");
    raw->OpenDataClick();
    QSignalSpy finished(raw, &RawDataWindow::fitFinished);
    raw->BuParamClick();
    if (!finished.wait(240000)) std::fprintf(stderr, "the fit did not end\n");
    Shoot(raw, "rawdata");
    raw->findChild<QPushButton*>(QStringLiteral("BTabChar"))->click();
    if (FitRankingWindow* ranking = raw->RankingWindow()) {
        ranking->resize(1000, 560);
        Shoot(ranking, "ranking");
        ranking->close();
    }
    raw->close();

    // The editor of a new histogram.
    Action(main, names::Novyhistogram1)->trigger();
    Shoot(tools.Editor(), "editor");
    tools.Editor()->close();

    main.OpenHistogram(loads + "WindLoad.dis");
    Action(main, names::OVerzi1)->trigger();
    Shoot(auxiliary.Version(), "version");
    auxiliary.Version()->close();

    main.WriteSettings();
    context.settings.Save();
    Action(main, names::VypisIniSouboru)->trigger();
    auxiliary.Viewer()->resize(500, 420);
    Shoot(auxiliary.Viewer(), "settings");
    auxiliary.Viewer()->close();

    Action(main, names::WIN1)->trigger();
    Action(main, names::OProgramu1)->trigger();
    if (auxiliary.Help()->isVisible()) {
        auxiliary.Help()->resize(900, 640);
        Shoot(auxiliary.Help(), "help");
        auxiliary.Help()->close();
    }
    main.close();
    return 0;
}
