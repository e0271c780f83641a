// The control listing of a file being read: shown only while KontVypis is ticked, with every frequency the
// reader accepted and their sum, also for a file it then refuses; closed by the loss of the activation; its
// caption in both languages.
#include <QAction>
#include <QTableWidget>
#include <QtTest>

#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "common/NumberText.h"
#include "editor/ControlListingWindow.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/TableWindows.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;

namespace {

struct ControlFixture : test::MainWindowFixture {
    ToolWindows tools{*window, context};
    ControlListingWindow& listing = *tools.Tables().ControlListing();

    QString Text(int row, int column)
    {
        const QTableWidgetItem* item =
            listing.findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(row, column);
        return item ? item->text() : QString();
    }
    int Rows() { return listing.findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->rowCount(); }
};

}  // namespace

class ControlListingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::Czech); }

    void onlyWhileTheOptionIsTicked()
    {
        ControlFixture f;
        QVERIFY(!f.Action(names::KontVypis)->isChecked());
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(!f.listing.isVisible());

        f.Action(names::KontVypis)->trigger();
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(f.listing.isVisible());
        QCOMPARE(f.listing.objectName(), QString("TForm4"));
        // Headings, ten intervals, the sum.
        QCOMPARE(f.Rows(), 12);
        QCOMPARE(f.Text(0, 0), QString("  I N T"));
        QCOMPARE(f.Text(0, 1), QString::fromStdString(TextCis(122)));
        QCOMPARE(f.Text(10, 0), QString::fromStdString(TCetnost(7, 10)));
        QCOMPARE(f.Text(10, 1), QString::fromStdString(TCetnost(12, 1)));
        QCOMPARE(f.Text(11, 0), QString::fromStdString(TextCis(49)));
        QCOMPARE(f.Text(11, 1), QString::fromStdString(TCetnost(12, 10)));
        QCOMPARE(f.window->Model().Name, std::string("uniform"));
    }

    void aRefusedFileShowsWhatWasRead()
    {
        ControlFixture f;
        f.Action(names::KontVypis)->trigger();
        f.Open(f.Fixture("wrong-total.dis"));
        // The reader refuses the sum 6 against Total 7; the listing shows the three frequencies and their sum.
        QCOMPARE(f.dialogs.Last().kind, DialogKind::Error);
        QVERIFY(f.listing.isVisible());
        QCOMPARE(f.Rows(), 5);
        QCOMPARE(f.Text(3, 1), QString::fromStdString(TCetnost(12, 3)));
        QCOMPARE(f.Text(4, 1), QString::fromStdString(TCetnost(12, 6)));
        QVERIFY(!f.window->Model().HasHistogram());
    }

    void aFileOutsideTheCategoryFoldersIsNotRead()
    {
        ControlFixture f;
        f.Action(names::KontVypis)->trigger();
        const std::string outside = f.Write(f.context.folders.HistogramsRoot + "/stray.dis", "[Bins]\n1\n");
        f.Open(outside);
        QVERIFY(!f.listing.isVisible());
    }

    void closesOnLosingTheActivationAndKeepsItsPlace()
    {
        ControlFixture f;
        f.Action(names::KontVypis)->trigger();
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(!f.listing.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&f.listing, &deactivate);
        QTRY_VERIFY(!f.listing.isVisible());
        QVERIFY(f.context.settings.HasKey("--  Position  --", "TabVstupu-Form4.left"));
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
        ControlFixture f;
        if (static_cast<Language>(language) == Language::English) f.window->EnglishClick();
        else f.window->CzechClick();
        f.Action(names::KontVypis)->trigger();
        f.Open(f.Fixture("dice.dis"));
        QCOMPARE(f.listing.windowTitle(), QString::fromStdString(TextCis(39, static_cast<Language>(language))));
        QCOMPARE(f.Text(0, 1), QString::fromStdString(TextCis(122, static_cast<Language>(language))));
        QVERIFY(!f.listing.findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->toolTip().isEmpty());
    }
};

MORVIK_GUI_TEST(ControlListingWindowTest);
#include "ControlListingWindowTest.moc"
