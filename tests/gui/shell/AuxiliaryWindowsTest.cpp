// The help, the version window and the settings viewer, opened from the main window's menu as a user opens them.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include "GuiTest.h"
#include "ProgramFixture.h"
#include "localization/MainWindowNames.h"
#include "shell/HelpViewer.h"
#include "shell/SettingsViewer.h"
#include "shell/VersionWindow.h"
#include "shell/WindowPlacement.h"

using namespace morvik;
using test::ProgramFixture;

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    // The help-viewer form shows the guide of the session's language in the built-in viewer.
    void theViewerShowsThePageOfTheLanguage()
    {
        ProgramFixture f;
        const std::string start = f.StartFolderWith({"Morvik.htm", "cs/Morvik.htm"});
        f.Action(names::WIN1)->trigger();
        f.Action(names::OProgramu1)->trigger();
        HelpViewer* viewer = f.auxiliary->Help();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->Page(), start + "/Morvik.htm");
        const auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Morvik.htm")));
        QVERIFY(f.opened.empty());
        QVERIFY(f.dialogs.Recorded().empty());

        // A language switch turns the open viewer to the other page.
        f.Action(names::Cestina)->trigger();
        QCOMPARE(viewer->Page(), start + "/cs/Morvik.htm");
        QVERIFY(browser->toPlainText().contains(QStringLiteral("cs/Morvik.htm")));
        viewer->close();
    }

    // The web-page form hands the page to the desktop's browser; when none starts, the viewer shows it.
    void theWebPageGoesToTheBrowser()
    {
        ProgramFixture f;
        const std::string start = f.StartFolderWith({"Morvik.htm", "cs/Morvik.htm"});
        QVERIFY(f.Action(names::HTML1)->isChecked());
        f.Action(names::Cestina)->trigger();
        f.Action(names::OProgramu1)->trigger();
        QCOMPARE(f.opened.size(), std::size_t(1));
        QCOMPARE(f.opened[0], QUrl::fromLocalFile(QString::fromStdString(start + "/cs/Morvik.htm")));
        QVERIFY(!f.auxiliary->Help()->isVisible());

        f.desktopWorks = false;
        f.Action(names::OProgramu1)->trigger();
        QVERIFY(f.auxiliary->Help()->isVisible());
        QCOMPARE(f.auxiliary->Help()->Page(), start + "/cs/Morvik.htm");
        f.auxiliary->Help()->close();
    }

    // A missing page: message 128 with its path, once until the main caption set is applied again.
    void aMissingPageIsReportedOnce()
    {
        for (const char* form : {names::HTML1, names::WIN1}) {
            ProgramFixture f;
            const std::string start = f.StartFolderWith({"Morvik.htm"});
            f.Action(form)->trigger();
            f.Action(names::Cestina)->trigger();
            f.Action(names::OProgramu1)->trigger();
            QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
            const RecordedDialog& notice = f.dialogs.Last();
            QCOMPARE(notice.kind, DialogKind::Warning);
            QVERIFY(notice.title.empty());
            QCOMPARE(QString::fromStdString(notice.text),
                     QString::fromStdString("Adresář souboru Help nenalezen !\r\n\r\n" + start + "/cs/Morvik.htm"));
            f.Action(names::OProgramu1)->trigger();
            QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));

            // English has its page; back in Czech the notice comes once more.
            f.Action(names::Anglictina)->trigger();
            f.Action(names::Cestina)->trigger();
            f.Action(names::OProgramu1)->trigger();
            QCOMPARE(f.dialogs.Recorded().size(), std::size_t(2));
            QVERIFY(f.opened.empty());
            QVERIFY(!f.auxiliary->Help()->isVisible());
        }
    }
};
MORVIK_GUI_TEST(HelpTest);

class VersionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    void opensWithTheVersionAndWaitsForItsClose()
    {
        ProgramFixture f;
        f.window->show();
        QVERIFY(f.Action(names::OVerzi1)->isEnabled());
        QCOMPARE(f.Action(names::OVerzi1)->shortcut(), QKeySequence(Qt::Key_F2));
        f.Action(names::OVerzi1)->trigger();
        VersionWindow* version = f.auxiliary->Version();
        QVERIFY(version->isVisible());
        QCOMPARE(version->objectName(), QStringLiteral("TForm2"));
        QVERIFY(!f.window->isEnabled());
        QCOMPARE(version->findChild<QLabel*>(QStringLiteral("Label8"))->text(), QStringLiteral("Version :  1.0.0"));
        QCOMPARE(version->windowTitle(), QStringLiteral("  Morvik  -  About version"));

        version->move(40, 50);
        version->close();
        QVERIFY(f.window->isEnabled());
        const WindowPlacement kept = ReadWindowPlacement(f.context.settings, 2, 1024);
        QCOMPARE(kept.left, version->geometry().left());
        QCOMPARE(kept.width, version->width());
    }

    // Each contact address opens a new mail to it; when the desktop cannot, message 61.
    void everyContactOpensAMail()
    {
        ProgramFixture f;
        VersionWindow* version = f.auxiliary->Version();
        const struct {
            const char* name;
            const char* address;
        } contacts[] = {{"BitBtn1", "morvik@example.org"},
                        {"BitBtn2", "morvik-help@example.org"},
                        {"BitBtn3", "morvik-bugs@example.org"},
                        {"Label4", "morvik-dev@example.org"},
                        {"Label5", "morvik-docs@example.org"}};
        for (const auto& contact : contacts) {
            f.opened.clear();
            const QString name = QString::fromLatin1(contact.name);
            if (auto* button = version->findChild<QPushButton*>(name)) {
                QCOMPARE(button->text(), QString::fromLatin1(contact.address));
                button->click();
            } else {
                auto* label = version->findChild<QLabel*>(name);
                QVERIFY2(label, contact.name);
                emit label->linkActivated(QStringLiteral("mailto:") + QString::fromLatin1(contact.address));
            }
            QCOMPARE(f.opened.size(), std::size_t(1));
            QCOMPARE(f.opened[0], QUrl(QStringLiteral("mailto:") + QString::fromLatin1(contact.address)));
        }
        QVERIFY(f.dialogs.Recorded().empty());

        f.desktopWorks = false;
        version->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        QCOMPARE(f.dialogs.Last().text, std::string("Error of loading e-mail program"));
    }

    void closesWhenAnotherWindowIsActivated()
    {
        ProgramFixture f;
        f.window->show();
        f.Action(names::OVerzi1)->trigger();
        VersionWindow* version = f.auxiliary->Version();
        QVERIFY(QTest::qWaitForWindowActive(version));
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!version->isVisible());
        QVERIFY(f.window->isEnabled());
    }
};
MORVIK_GUI_TEST(VersionWindowTest);

class SettingsViewerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLanguage(Language::English); }

    void aFileNeverWrittenIsReported()
    {
        ProgramFixture f;
        f.Action(names::VypisIniSouboru)->trigger();
        QCOMPARE(f.dialogs.Recorded().size(), std::size_t(1));
        QCOMPARE(f.dialogs.Last().text, std::string("INI file was not created yet !"));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Information);
        QVERIFY(!f.auxiliary->Viewer()->isVisible());
    }

    // The grid lists the settings of the run, a key the program has just written included, and cannot be edited.
    void showsTheKeysTheProgramWrote()
    {
        ProgramFixture f;
        const std::string path = f.temp.path().toStdString() + "/Morvik.INI";
        f.Write(path, "[--  Setting  --]\njazyk cesky=0\n");
        f.context.settings = SettingsFile::Load(path);
        f.Action(names::Cestina)->trigger();
        f.Action(names::VypisIniSouboru)->trigger();
        SettingsViewer* viewer = f.auxiliary->Viewer();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("  Morvik :   Inicializační soubor - Morvik.INI"));
        auto* grid = viewer->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"));
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Klíč"));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        auto rowOf = [grid](const QString& key) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (grid->item(row, 0)->text() == key) return row;
            }
            return -1;
        };
        QVERIFY(rowOf(QStringLiteral("[--  Setting  --]")) >= 0);
        const int language = rowOf(QStringLiteral("jazyk cesky"));
        QVERIFY(language >= 0);
        QCOMPARE(grid->item(language, 1)->text(), QStringLiteral("1"));
        QVERIFY(rowOf(QStringLiteral("Prob_u-Form1.width")) >= 0);
        viewer->close();
    }
};
MORVIK_GUI_TEST(SettingsViewerTest);

#include "AuxiliaryWindowsTest.moc"
