// The colours window: each of its sixteen buttons asks the colour dialog and the chosen colour reaches what the
// slot covers in every window at once, open or hidden, and the settings file.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/ChartColour.h"
#include "chart/ChartView.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/ToolWindows.h"
#include "parametric/ParametricWindow.h"
#include "shell/ChartWindowSettings.h"
#include "shell/ColourSlots.h"

using namespace morvik;

namespace {

QWidget* TopLevel(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name)) return window;
    }
    qFatal("no window %s", name);
    return nullptr;
}

template <typename T = QWidget>
T* In(const char* window, const char* name)
{
    T* found = TopLevel(window)->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no %s in %s", name, window);
    return found;
}

QColor Role(const char* window, const char* name, QPalette::ColorRole role)
{
    return In(window, name)->palette().color(role);
}

const ChartModel& ChartOf(const char* window, const char* name) { return In<ChartView>(window, name)->model(); }

struct ColoursFixture : test::MainWindowFixture {
    ToolWindows tools{*window, context};

    ColoursFixture()
    {
        Open(Fixture("uniform.dis"));
        // The parametric window shows a chart of its own, the distribution function the main window's.
        static_cast<ParametricWindow*>(tools.Window(3))->Start();
        Action(names::KrivkaTrvZat)->trigger();
        window->setEnabled(true);
        Action(names::Barvy1)->trigger();
    }

    void Choose(int slot, Colour colour)
    {
        dialogs.AnswerColour(colour);
        In<QPushButton>("TForm5", ("Button" + std::to_string(slot + 1)).c_str())->click();
    }
};

}  // namespace

class ColoursWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::English); }

    // The window opens in the language the main window has at that moment.
    void opensInTheCurrentLanguage()
    {
        ColoursFixture f;
        QCOMPARE(In<QPushButton>("TForm5", "Button1")->text(), QString("background"));
        TopLevel("TForm5")->close();
        f.window->CzechClick();
        f.Action(names::Barvy1)->trigger();
        QCOMPARE(In<QPushButton>("TForm5", "Button1")->text(), QString::fromUtf8("pozadí"));
        QCOMPARE(TopLevel("TForm5")->windowTitle(), QString::fromUtf8("  Morvik  -  Nastavení barev"));
    }

    void everySlotReachesItsWidgets()
    {
        ColoursFixture f;
        using Check = std::function<bool(QColor)>;
        auto role = [](const char* window, const char* name, QPalette::ColorRole r) {
            return Check([=](QColor c) { return Role(window, name, r) == c; });
        };
        auto all = [](std::initializer_list<Check> checks) {
            return Check([checks = std::vector<Check>(checks)](QColor c) {
                for (const Check& check : checks) {
                    if (!check(c)) return false;
                }
                return true;
            });
        };
        auto chart = [](const char* window, std::function<Colour(const ChartModel&)> part) {
            return Check([=](QColor c) { return ToQColor(part(ChartOf(window, "Chart1L"))) == c; });
        };
        auto mainChart = [](std::function<Colour(const ChartModel&)> part) {
            return Check([=](QColor c) { return ToQColor(part(ChartOf("TForm1", "Chart1"))) == c; });
        };
        const Check checks[ColourSlotCount] = {
            all({role("TForm1", "GroupBox1", QPalette::Window), role("TForm12", "GBParametry", QPalette::Window)}),
            all({role("TForm1", "StringGrid3", QPalette::Text), role("TForm18", "Label1", QPalette::WindowText),
                 role("TForm14", "StringGrid3", QPalette::Text)}),
            all({role("TForm1", "Edit3", QPalette::Base), role("TForm12", "EdPara1", QPalette::Base),
                 role("TForm18", "Edit1", QPalette::Base)}),
            all({role("TForm1", "EditMin", QPalette::Text), role("TForm14", "EdEps", QPalette::Text)}),
            mainChart([](const ChartModel& m) { return m.titleColour; }),
            mainChart([](const ChartModel& m) { return m.backgroundColour; }),
            mainChart([](const ChartModel& m) { return m.main.bars.front().colour; }),
            role("TForm1", "EditXY", QPalette::Text),
            role("TForm1", "EditP", QPalette::Text),
            all({role("TForm1", "Label13", QPalette::WindowText), role("TForm18", "Memo1", QPalette::Text)}),
            role("TForm1", "EditXY", QPalette::Base),
            role("TForm1", "EditP", QPalette::Base),
            all({chart("TForm10", [](const ChartModel& m) { return m.backgroundColour; }),
                 role("TForm10", "CBMarks", QPalette::Base)}),
            chart("TForm10", [](const ChartModel& m) { return m.main.bars.front().colour; }),
            all({chart("TForm12", [](const ChartModel& m) { return m.backgroundColour; }),
                 role("TForm14", "CBMarks", QPalette::Base)}),
            chart("TForm12", [](const ChartModel& m) { return m.main.bars.front().colour; }),
        };
        for (int slot = 0; slot < ColourSlotCount; ++slot) {
            const Colour colour = RgbColour(10 * slot + 5, 200 - 7 * slot, 90 + slot);
            const QColor expected = ToQColor(colour);
            QVERIFY2(!checks[slot](expected), qPrintable(QString("slot %1 before").arg(slot)));
            f.Choose(slot, colour);
            QVERIFY2(checks[slot](expected), qPrintable(QString("slot %1").arg(slot)));
            QCOMPARE(Role("TForm5", ("Edit" + std::to_string(slot + 1)).c_str(), QPalette::Base), expected);
            QCOMPARE(f.dialogs.Last().type, DialogType::Colour);
        }
    }

    void cancellingChangesNothingAndTheColoursAreStored()
    {
        ColoursFixture f;
        const MainWindowColours before = f.window->Options().colours;
        f.dialogs.AnswerCancel();
        In<QPushButton>("TForm5", "Button7")->click();
        QCOMPARE(f.window->Options().colours, before);

        // The dialog starts from the slot's colour; the chosen colours reach the file at program end.
        f.Choose(6, RgbColour(1, 2, 3));
        QCOMPARE(f.dialogs.Last().initialColour, before.bars);
        f.Choose(12, RgbColour(4, 5, 6));
        f.window->WriteSettings();
        QCOMPARE(f.context.settings.ReadColour("--  Setting  --", "histogram", 0), RgbColour(1, 2, 3));
        QCOMPARE(ReadChartWindowSettings(f.context.settings, 10).chartBackground, RgbColour(4, 5, 6));

        // A window shown later takes the run's colours when it shows.
        f.Choose(0, RgbColour(7, 8, 9));
        QWidget* summation = TopLevel("TForm7");
        summation->setPalette(QPalette());
        summation->show();
        QCOMPARE(summation->palette().color(QPalette::Window), ToQColor(RgbColour(7, 8, 9)));
        summation->hide();
    }
};
MORVIK_GUI_TEST(ColoursWindowTest);

#include "ColoursWindowTest.moc"
