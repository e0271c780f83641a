// The listing of the current histogram file: opened from the main window by VypisVstHist / VypisHist while a
// file is current, numbered and coloured, refused for a file that is gone, closed by a click or by the loss of
// the activation, and captioned in both languages.
#include <QAction>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "chart/ChartColour.h"
#include "editor/FileListingWindow.h"
#include "editor/HistogramTables.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/TableWindows.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;

namespace {

struct ListingFixture : test::MainWindowFixture {
    ToolWindows tools{*window, context};
    FileListingWindow& listing = *tools.Tables().FileListing();

    void List() { Find<QToolButton>(names::VypisHist)->click(); }
    QListWidget* List1() { return listing.findChild<QListWidget*>(QStringLiteral("ListBox1")); }
};

}  // namespace

class FileListingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::Czech); }

    void listsTheCurrentFileInItsColours()
    {
        ListingFixture f;
        QVERIFY(!f.Action(names::VypisVstHist)->isEnabled());
        QVERIFY(!f.Find<QWidget>(names::VypisHist)->isEnabled());
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(f.Find<QWidget>(names::VypisHist)->isEnabled());
        f.List();
        QVERIFY(f.listing.isVisible());
        QCOMPARE(f.listing.objectName(), QString("TForm15"));
        QCOMPARE(f.listing.windowTitle(), QString::fromStdString(TextCis(48) + ":    uniform.dis"));

        // Twelve header lines up to "[Bins]", ten bin lines numbered from 0, the closing rule.
        QListWidget* list = f.List1();
        QCOMPARE(list->count(), 23);
        QCOMPARE(list->item(0)->text(), QString("[   1]    [Description]"));
        QCOMPARE(list->item(11)->text(), QString("[  12]    [Bins]"));
        QCOMPARE(list->item(12)->text(), QString("[   0]    1"));
        QCOMPARE(list->item(22)->text(), QString(115, QLatin1Char('-')));
        QCOMPARE(list->item(11)->foreground().color(), ToQColor(ListingHeaderColour));
        QCOMPARE(list->item(12)->foreground().color(), ToQColor(ListingBinColour));

        // A click into the list closes it and stores its place.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        QVERIFY(!f.listing.isVisible());
        QVERIFY(f.context.settings.HasKey("--  Position  --", "VypisHist-Form15.left"));
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
    }

    void nothingToListOrAFileThatIsGone()
    {
        ListingFixture f;
        // Without a current file the command does nothing, even when reached some other way.
        f.Action(names::VypisVstHist)->setEnabled(true);
        f.Action(names::VypisVstHist)->trigger();
        QVERIFY(!f.listing.isVisible());
        QVERIFY(f.dialogs.Recorded().empty());

        // A file removed after it was read: message 9 with its path, no listing.
        const std::string path = f.Fixture("uniform.dis");
        f.Open(path);
        std::filesystem::remove(path);
        f.List();
        QVERIFY(!f.listing.isVisible());
        QCOMPARE(f.dialogs.Last().text, FormatText(9, path));
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
    }

    void aMovedRangeNoLongerMatchesItsFile()
    {
        ListingFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.Type(names::EditMin, "1");
        f.window->MinExit();
        QVERIFY(!f.Action(names::VypisVstHist)->isEnabled());
        QVERIFY(!f.Find<QWidget>(names::VypisHist)->isEnabled());
    }

    void closesOnLosingTheActivation()
    {
        ListingFixture f;
        f.Open(f.Fixture("uniform.dis"));
        f.List();
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&f.listing, &deactivate);
        QTRY_VERIFY(!f.listing.isVisible());
        QVERIFY(f.context.settings.HasKey("--  Position  --", "VypisHist-Form15.height"));
    }

    void captionInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Czech") << int(Language::Czech);
        QTest::newRow("English") << int(Language::English);
    }
    void captionInBothLanguages()
    {
        QFETCH(int, language);
        ListingFixture f;
        if (static_cast<Language>(language) == Language::English) f.window->EnglishClick();
        else f.window->CzechClick();
        f.Open(f.Fixture("dice.dis"));
        f.List();
        QCOMPARE(f.listing.windowTitle(),
                 QString::fromStdString(TextCis(48, static_cast<Language>(language)) + ":    dice.dis"));
        QVERIFY(!f.List1()->toolTip().isEmpty());
    }
};

MORVIK_GUI_TEST(FileListingWindowTest);
#include "FileListingWindowTest.moc"
