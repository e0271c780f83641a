// Commands that reach every window of the program: the language switch, "Default values", and the main
// window's commands being available once a histogram is shown.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <map>

#include "GuiTest.h"
#include "ProgramFixture.h"
#include "kit/QtTranslations.h"
#include "localization/MainWindowNames.h"
#include "shell/ChartWindowSettings.h"
#include "shell/MainWindowSettings.h"
#include "shell/WindowPlacement.h"
#include "windows/ProgramWindows.h"
#include "windows/ToolWindow.h"

using namespace morvik;
using test::ProgramFixture;

namespace {

// Every text a window shows: its title, captions, hints, headings, cells and list items.
QStringList TextsOf(const QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text() << label->toolTip();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        texts << button->text() << button->toolTip();
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) texts << group->title();
    for (const QAction* action : window->findChildren<QAction*>()) texts << action->text() << action->toolTip();
    for (const QComboBox* box : window->findChildren<QComboBox*>()) {
        for (int item = 0; item < box->count(); ++item) texts << box->itemText(item);
    }
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem* heading = table->horizontalHeaderItem(column)) texts << heading->text();
            for (int row = 0; row < table->rowCount(); ++row) {
                if (const QTableWidgetItem* cell = table->item(row, column)) texts << cell->text();
            }
        }
    }
    return texts;
}

std::map<QString, QStringList> TextsOfEveryWindow(ProgramFixture& f)
{
    std::map<QString, QStringList> texts{{f.window->objectName(), TextsOf(f.window.get())}};
    std::map<QString, int> seen;
    for (ToolWindow* window : ProgramWindows(f.context)) {
        // Windows made more than once (the row graph of each table window) are told apart by a number.
        const QString name = window->objectName();
        const int count = ++seen[name];
        texts[count == 1 ? name : name + QStringLiteral(" %1").arg(count)] = TextsOf(window);
    }
    return texts;
}

}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
    // The chart windows word their marks check box as the main window does, in either language.
    static void ExpectMarksCaptionOfTheMainWindow(ProgramFixture& f)
    {
        const QString caption = f.Find<QCheckBox>(names::CheckBox1)->text();
        for (ToolWindow* window : ProgramWindows(f.context)) {
            const int form = window->FormNumber();
            if (form != 10 && form != 12 && form != 14) continue;
            QCOMPARE(window->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->text(), caption);
        }
    }

private slots:
    void init() { SetLanguage(Language::English); }
    void cleanup() { FollowLanguageInQt(Language::English); }

    // Every window, open or hidden, changes its texts with a switch; switching to the language already
    // chosen changes nothing.
    void everyWindowFollowsTheSwitch()
    {
        ProgramFixture f;
        f.window->show();
        f.Action(names::OVerzi1)->trigger();  // one window open, the others hidden
        const std::map<QString, QStringList> english = TextsOfEveryWindow(f);
        // The windows made at start-up; the fit ranking is made when first asked for.
        for (const char* name : {"TForm1", "TForm2", "TForm6", "TForm7", "TForm8", "TForm10", "TForm11", "TForm11 2",
                                 "TForm12", "TForm14", "TForm18", "HelpViewer"}) {
            QVERIFY2(english.count(QString::fromLatin1(name)), name);
        }
        QVERIFY(!QtSpeaksCzech());
        const QString qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");

        f.Action(names::Cestina)->trigger();
        const std::map<QString, QStringList> czech = TextsOfEveryWindow(f);
        QCOMPARE(czech.size(), english.size());
        for (const auto& [name, texts] : czech) {
            QVERIFY2(texts != english.at(name), qPrintable(name + " kept its texts"));
        }
        QVERIFY(f.Action(names::Cestina)->isChecked());
        QVERIFY(!f.Action(names::Anglictina)->isChecked());
        ExpectMarksCaptionOfTheMainWindow(f);
        QCOMPARE(CurrentLanguage(), Language::Czech);
        // Qt's own texts follow (the buttons of its dialogs).
        QVERIFY(QtSpeaksCzech());
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != qtCancel);

        // The second time nothing changes, not even the companion library's language.
        SetLanguage(Language::English);
        f.Action(names::Cestina)->trigger();
        QCOMPARE(CurrentLanguage(), Language::English);
        QVERIFY(TextsOfEveryWindow(f) == czech);
        SetLanguage(Language::Czech);

        f.Action(names::Anglictina)->trigger();
        QVERIFY(TextsOfEveryWindow(f) == english);
        ExpectMarksCaptionOfTheMainWindow(f);
        QVERIFY(!QtSpeaksCzech());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    }
};
MORVIK_GUI_TEST(LanguageSwitchTest);

class DefaultValuesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }
    void cleanup() { FollowLanguageInQt(Language::English); }

    void everyWindowGoesBackToItsDefaults()
    {
        // A run whose settings moved every window and changed the options, colours and language.
        std::string settings =
            "[--  Nastaveni  --]\nForm1 Kontrolni vypis=1\nForm1 Prikazova radka=0\n"
            "[--  Setting  --]\njazyk cesky=1\njazyk anglicky=0\nBarevné zvýraznění Ano=0\n"
            "Barevné zvýraznění Ne=1\nhistogram=255\nDateSeparator=47\nTimeSeparator=46\n"
            "Prob_u-Form1.CBMarks.ItemIndex=4\nProb_u-Form1.SpinEdAngle.Value=45\n";
        for (int form : {10, 12, 14}) {
            const std::string prefix = form == 10   ? "KrivkaTrvani-Form10"
                                       : form == 12 ? "ParamRozdel-Form12"
                                                    : "PrvotniData-Form14";
            settings += prefix + ".CBMarks.ItemIndex=0\n" + prefix + ".SpinEdAngle.Value=30\n";
        }
        settings += "[--  Position  --]\nParamRozdel-Form12.Eps=1E-3\nPrvotniData-Form14.PocetIntervalu=16\n";
        SettingsFile moved = SettingsFile::FromText(settings);
        for (int form = 1; form <= 19; ++form) WriteWindowPlacement(moved, form, {120, 90, 1100, 700});
        ProgramFixture f(moved.Text());
        f.Open(f.Fixture("uniform.dis"));
        f.Find<QCheckBox>(names::CheckBox1)->setChecked(true);
        const std::size_t before = f.dialogs.Recorded().size();

        // No to the question changes nothing.
        f.dialogs.AnswerNo();
        f.Action(names::DefaultNast1)->trigger();
        QCOMPARE(f.dialogs.Recorded().size(), before + 1);
        QCOMPARE(f.dialogs.Last().text,
                 std::string("Chcete opravdu přejít k default hodnotám barev objektů a textů ?"));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Confirmation);
        QCOMPARE(f.window->Options().language, Language::Czech);
        QVERIFY(f.Find<QCheckBox>(names::CheckBox1)->isChecked());

        f.dialogs.AnswerYes();
        f.Action(names::DefaultNast1)->trigger();
        const MainWindowSettings& main = f.window->Options();
        QVERIFY(!main.KontVypis);
        QVERIFY(main.PrikazRadka1);
        QVERIFY(f.window->statusBar()->isVisible());
        QCOMPARE(main.language, Language::English);
        QVERIFY(f.Action(names::Anglictina)->isChecked());
        QVERIFY(f.Action(names::Ano1)->isChecked());
        QCOMPARE(main.colours, MainWindowColours{});
        QCOMPARE(main.DateSeparator, '.');
        QVERIFY(f.Action(names::tecka1)->isChecked());
        QVERIFY(f.Action(names::dvojtecka1)->isChecked());
        QCOMPARE(main.CBMarksItemIndex, 2);
        QCOMPARE(f.Find<QSpinBox>("SpinEdAngle")->value(), 90);
        QVERIFY(!f.Find<QCheckBox>(names::CheckBox1)->isChecked());
        QCOMPARE(f.window->pos(), QPoint(0, 0));
        QCOMPARE(f.window->size().expandedTo(f.window->minimumSize()),
                 QSize(720, 500).expandedTo(f.window->minimumSize()));
        QVERIFY(f.window->isVisible());

        for (ToolWindow* window : ProgramWindows(f.context)) {
            const int form = window->FormNumber();
            if (!HasPositionKeys(form)) continue;
            const WindowPlacement reset = ResetWindowPlacement(form, ScreenWidthForTest());
            QVERIFY2(window->pos() == QPoint(0, 0), qPrintable(window->objectName()));
            // A window of fixed or least size keeps it; the others take the reset size.
            const QSize expected =
                QSize(reset.width, reset.height).expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
            QVERIFY2(window->size() == expected, qPrintable(window->objectName()));
            if (form == 10 || form == 12 || form == 14) {
                QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("CBMarks"))->currentIndex(), 2);
                QCOMPARE(window->findChild<QSpinBox*>(QStringLiteral("SpinEdAngle"))->value(), 90);
                QVERIFY(!window->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
            }
        }
        for (int form : {12, 14}) {
            QCOMPARE(ReadGenerationFields(f.context.settings, form), (GenerationFields{"0.0000001", "128"}));
        }
        // The texts are English again everywhere.
        QCOMPARE(f.window->windowTitle(), QStringLiteral("M o r v i k  -  Version 1.0.0"));
    }

private:
    static int ScreenWidthForTest();
};

int DefaultValuesTest::ScreenWidthForTest()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 1024;
}
MORVIK_GUI_TEST(DefaultValuesTest);

class StartPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    // Without a stored size the main window takes most of the screen; a stored size is kept as stored.
    void theScreenIsUsedUntilASizeIsStored()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            ProgramFixture f;
            const QSize expected = QSize(screen.width() * 9 / 10, screen.height() * 9 / 10)
                                       .expandedTo(QSize(700, 496))
                                       .expandedTo(f.window->minimumSize());
            QCOMPARE(f.window->size(), expected);
        }
        const QSize stored = QSize(1400, 950).expandedTo(ProgramFixture().window->minimumSize());
        ProgramFixture f(QStringLiteral("[--  Position  --]\nProb_u-Form1.left=7\nProb_u-Form1.top=9\n"
                                        "Prob_u-Form1.width=%1\nProb_u-Form1.height=%2\n")
                             .arg(stored.width())
                             .arg(stored.height())
                             .toStdString());
        QCOMPARE(f.window->size(), stored);
        QCOMPARE(f.window->pos(), QPoint(7, 9));
    }
};
MORVIK_GUI_TEST(StartPlacementTest);

class CommandAvailabilityTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    // With a histogram shown, every menu item and tool button of the main window can be used. The ReOpen
    // entries beyond the stack's entries are hidden.
    void everyCommandIsAvailableWithAHistogram()
    {
        ProgramFixture f;
        f.Open(f.Fixture("settlement.dis"));  // reaches below zero: its absolute value is offered
        QStringList unavailable;
        std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->isVisible()) continue;
                const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
                if (!action->isEnabled()) unavailable << name;
                if (action->menu()) walk(action->menu());
            }
        };
        for (QAction* top : f.window->menuBar()->actions()) walk(top->menu());
        for (const char* popup : {names::PopupMenu1, names::PopupMenu2}) walk(f.Find<QMenu>(popup));
        const QList<QToolButton*> buttons = f.window->findChildren<QToolButton*>();
        QVERIFY(buttons.size() >= 20);
        for (const QToolButton* button : buttons) {
            if (!button->isEnabled()) unavailable << button->objectName();
        }
        QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable.join(QStringLiteral(", "))));
    }
};
MORVIK_GUI_TEST(CommandAvailabilityTest);

#include "ProgramWideTest.moc"
