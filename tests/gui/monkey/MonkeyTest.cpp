// A monkey over the whole program: the main window with all its tool windows, driven by random clicks, keys,
// field entries, list choices and menu commands, the dialogs answered at random. Nothing may crash or trip the
// sanitizers, no window may wait for a user outside the dialog seam, and the main window is never left disabled
// with no window open to give it back.
//
// The seed is printed at the start; MORVIK_MONKEY_SEED=N replays a run, MORVIK_MONKEY_STEPS=N makes it longer
// (a few hundred steps by default), MORVIK_MONKEY_LOG=1 prints every step as it is taken.
#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <filesystem>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "MonkeyDriver.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;
using namespace morvik::test;

namespace {

unsigned long long EnvironmentNumber(const char* name, unsigned long long fallback)
{
    bool ok = false;
    const unsigned long long value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// Files for the open dialogs (histograms, raw data, a file of the wrong kind, one that is missing) and names for
// the save dialogs (new ones, in the family tree and outside it, and one in a folder that does not exist).
std::vector<std::string> MonkeyPaths(MainWindowFixture& f)
{
    std::vector<std::string> paths;
    for (const char* name : {"dice.dis", "settlement.dis", "uniform.dis", "wrong-total.dis"}) {
        paths.push_back(f.Fixture(name));
    }
    const Folders& folders = f.context.folders;
    for (const char* name : {"normal-2000.txt", "gamma-3000.txt"}) {
        const std::string target = folders.RawDataFolder + "/" + name;
        std::filesystem::copy_file(std::string(MORVIK_FIXTURES) + "/rawdata/" + name, target,
                                   std::filesystem::copy_options::overwrite_existing);
        paths.push_back(target);
    }
    for (const char* name : {"monkey.dis", "monkey.kom", "monkey.sum", "monkey.txt", "monkey.xlsx"}) {
        paths.push_back(folders.ResultsFolder + "/" + name);
    }
    for (const char* name : {"monkey.bmp", "monkey.jpg", "monkey.svg"}) {
        paths.push_back(folders.GraphsFolder + "/" + name);
    }
    paths.push_back(folders.RawDataFolder + "/typed.txt");
    paths.push_back(f.temp.path().toStdString() + "/outside.dis");
    paths.push_back(f.temp.path().toStdString() + "/missing/folder.dis");
    return paths;
}

bool AnotherWindowIsOpen(const QWidget* main)
{
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w != main && w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) {
            return true;
        }
    }
    return false;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomEventsOverEveryWindow()
    {
        const unsigned long long seed = EnvironmentNumber("MORVIK_MONKEY_SEED", 1210);
        const unsigned long long steps = EnvironmentNumber("MORVIK_MONKEY_STEPS", 400);
        const bool log = qEnvironmentVariableIsSet("MORVIK_MONKEY_LOG");
        std::fprintf(stderr, "monkey: seed %llu, %llu steps (MORVIK_MONKEY_SEED=%llu replays this run)\n", seed, steps,
                     seed);

        MainWindowFixture f;
        ToolWindows tools(*f.window, f.context);
        f.window->show();
        const std::vector<std::string> paths = MonkeyPaths(f);
        f.Open(paths.front());
        MonkeyDriver monkey(seed, f.dialogs, paths, f.window.get());

        std::deque<QString> recent;
        const auto replay = [&](unsigned long long step, const QString& fault) {
            QString text = QStringLiteral("%1 at step %2 of seed %3; the last steps:").arg(fault).arg(step).arg(seed);
            for (const QString& did : recent) text += QStringLiteral("\n  ") + did;
            return text;
        };
        for (unsigned long long step = 1; step <= steps; ++step) {
            const QString did = monkey.Step();
            if (log) std::fprintf(stderr, "%llu %s\n", step, qPrintable(did));
            recent.push_back(did);
            if (recent.size() > 12) recent.pop_front();
            QVERIFY2(monkey.LeftWaiting().isEmpty(),
                     qPrintable(replay(step, QStringLiteral("a window waited for a user: ") +
                                                 monkey.LeftWaiting().join(QStringLiteral(", ")))));
            QVERIFY2(f.window->isEnabled() || AnotherWindowIsOpen(f.window.get()),
                     qPrintable(replay(step, QStringLiteral("the main window was left disabled"))));
        }

        // Afterwards the program still works: with every tool window closed, a histogram opens as at the start.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != f.window.get() && w->isVisible()) w->close();
        }
        QCoreApplication::processEvents();
        f.window->show();
        QVERIFY(f.window->isEnabled());
        f.dialogs.Clear();
        f.Open(f.Fixture("dice.dis"));  // a fresh copy: the monkey may have saved anything under its name
        QVERIFY(f.window->Model().HasHistogram());
        QCOMPARE(f.window->Model().Name, std::string("dice"));
    }
};

MORVIK_GUI_TEST(MonkeyTest);
#include "MonkeyTest.moc"
