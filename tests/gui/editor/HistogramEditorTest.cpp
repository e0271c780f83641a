// The new-histogram editor: opened from the main window, a typed histogram saved into the results folder and
// shown by the main window, the save checks refusing with their messages, a write error leaving everything as
// it was, and the texts in both languages.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FindNamed.h"
#include "GuiTest.h"
#include "MainWindowFixture.h"
#include "common/NumberText.h"
#include "editor/HistogramEditor.h"
#include "localization/MainWindowNames.h"
#include "localization/TextCis.h"
#include "mainwindow/ToolWindows.h"

using namespace morvik;

namespace {

struct EditorFixture : test::MainWindowFixture {
    ToolWindows tools{*window, context};
    HistogramEditor& editor = *tools.Editor();

    template <typename T>
    T* Child(const char* name)
    {
        return test::FindNamed<T>(editor, name);
    }
    void OpenEditor() { Action(names::Novyhistogram1)->trigger(); }
    void Fill(const QString& name, const QString& min, const QString& max, const QString& memo)
    {
        Child<QLineEdit>("Edit4")->setFocus();
        QTest::keyClicks(Child<QLineEdit>("Edit4"), name);
        QTest::keyClicks(Child<QLineEdit>("Edit1"), min);
        QTest::keyClicks(Child<QLineEdit>("Edit2"), max);
        Child<QPlainTextEdit>("Memo1")->setPlainText(memo);
    }
    void Save() { Child<QPushButton>("BitBtn2")->click(); }
    std::string Results() const { return context.folders.ResultsFolder; }
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

class HistogramEditorTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetLanguage(Language::Czech); }

    void savesATypedHistogramAndHandsItOver()
    {
        EditorFixture f;
        QVERIFY(f.Action(names::Novyhistogram1)->isEnabled());
        QVERIFY(f.Find<QWidget>(names::BNovy)->isEnabled());
        f.OpenEditor();
        QVERIFY(f.editor.isVisible());
        QVERIFY(!f.window->isEnabled());

        f.Fill("my beam", "0", "10", "1\n2\n3\n4");
        // The count and the sum follow the memo as it is typed.
        QCOMPARE(f.Child<QLineEdit>("Edit3")->text().trimmed(), QString("4"));
        QCOMPARE(f.Child<QLineEdit>("Edit5")->text().trimmed(), QString("10"));

        const std::string path = f.Results() + "/mybeam.dis";
        f.dialogs.AnswerPath(path);
        f.Save();
        // The save dialog opened in the results folder with the name, blanks removed.
        QCOMPARE(f.dialogs.Recorded().back().file.folder, f.Results());
        QCOMPARE(f.dialogs.Recorded().back().file.fileName, std::string("mybeam.dis"));
        QVERIFY(std::filesystem::exists(path));
        QVERIFY(!f.editor.isVisible());
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().Name, std::string("mybeam"));
        QCOMPARE(f.window->ChartContent().main.bars.size(), size_t(4));
        // The saved file is the main window's current file: its kind shows and it can be listed and described.
        QCOMPARE(f.window->Model().HistogramFile, path);
        QCOMPARE(f.Cell("StringGrid4", 2, 1), QString(" Discrete"));
        QVERIFY(f.Action(names::VypisVstHist)->isEnabled());
        QVERIFY(f.Action(names::PopisVysledku1)->isEnabled());
        // The editor keeps its place under its own keys.
        QVERIFY(f.context.settings.HasKey("--  Position  --", "PopisHistogramu-Form18.left"));
        QVERIFY(f.context.settings.HasKey("--  Position  --", "PopisHistogramu-Form18.Height"));
    }

    // "Histogram" in CBTypHist puts the shown histogram into the editor; corrected and saved, it is shown.
    void correctsTheShownHistogram()
    {
        EditorFixture f;
        f.Open(f.Fixture("uniform.dis"));
        auto* choice = f.Find<QComboBox>(names::CBTypHist);
        choice->setCurrentIndex(0);
        emit choice->activated(0);
        QVERIFY(f.editor.isVisible());
        QVERIFY(!f.window->isEnabled());
        QCOMPARE(f.Child<QLineEdit>("Edit4")->text(), QString("uniform"));
        QCOMPARE(f.Child<QLineEdit>("Edit1")->text(), QString::fromStdString(StrNaCarku(0)));
        QCOMPARE(f.Child<QLineEdit>("Edit2")->text(), QString::fromStdString(StrNaCarku(10)));
        QCOMPARE(f.Child<QComboBox>("ComboBox1")->currentIndex(), 0);
        QCOMPARE(f.Child<QPlainTextEdit>("Memo1")->toPlainText(), QString("1\n1\n1\n1\n1\n1\n1\n1\n1\n1"));
        QCOMPARE(f.Child<QLineEdit>("Edit3")->text().trimmed(), QString("10"));
        QCOMPARE(f.Child<QLineEdit>("Edit5")->text().trimmed(), QString("10"));

        // One interval less, saved under the name offered.
        f.Child<QPlainTextEdit>("Memo1")->setPlainText("1\n1\n1\n1\n1\n1\n1\n1\n2");
        const std::string path = f.Results() + "/uniform.dis";
        f.dialogs.AnswerPath(path);
        f.Save();
        QVERIFY(!f.editor.isVisible());
        QVERIFY(f.window->isEnabled());
        QCOMPARE(f.window->Model().ResultHistogram.Bins, 9);
        QCOMPARE(f.window->Model().HistogramFile, path);
    }

    void withoutAHistogramTheCorrectionTypesANewOne()
    {
        EditorFixture f;
        auto* choice = f.Find<QComboBox>(names::CBTypHist);
        emit choice->activated(0);
        QVERIFY(f.editor.isVisible());
        QVERIFY(f.Child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        QVERIFY(f.Child<QLineEdit>("Edit4")->text().isEmpty());
        f.editor.close();
        QVERIFY(f.window->isEnabled());
    }

    void saveChecksRefuseWithTheirMessages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("message");
        // clang-format off
        QTest::newRow("no frequencies") << "a" << "0" << "1" << "" << 135;
        QTest::newRow("all zero") << "a" << "0" << "1" << "0\n0" << 135;
        QTest::newRow("Min not above Max") << "a" << "5" << "1" << "1\n2" << 31;
        QTest::newRow("no name") << "" << "0" << "1" << "1\n2" << 134;
        QTest::newRow("no Min") << "a" << "" << "1" << "1\n2" << 133;
        // clang-format on
    }
    void saveChecksRefuseWithTheirMessages()
    {
        QFETCH(QString, name);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, memo);
        QFETCH(int, message);
        EditorFixture f;
        f.OpenEditor();
        f.Fill(name, min, max, memo);
        f.dialogs.Clear();
        f.dialogs.AnswerOk();
        f.Save();
        QVERIFY(!f.dialogs.Recorded().empty());
        QVERIFY(f.dialogs.Recorded().back().text.find(TextCis(message)) != std::string::npos);
        QCOMPARE(f.dialogs.Recorded().back().type, DialogType::Message);
        QVERIFY(f.editor.isVisible());
        QVERIFY(!f.window->isEnabled());
        QVERIFY(std::filesystem::is_empty(f.Results()));
        f.Child<QPushButton>("BitBtn1")->click();
        QVERIFY(f.window->isEnabled());
        QVERIFY(!f.window->Model().HasHistogram());
    }

    // Opening the editor empties the main window (a new histogram is typed from nothing); a write error then
    // leaves it so, with the editor open, and closing gives back the empty window.
    void aWriteErrorLeavesEverythingAsItWas()
    {
        EditorFixture f;
        f.Open(f.Fixture("uniform.dis"));
        QVERIFY(f.Action(names::VypisVstHist)->isEnabled());
        f.OpenEditor();
        QVERIFY(!f.window->Model().HasHistogram());
        QVERIFY(f.window->ChartContent().main.bars.empty());
        QVERIFY(!f.Action(names::VypisVstHist)->isEnabled());
        QVERIFY(!f.Action(names::PopisVysledku1)->isEnabled());
        f.Fill("beam", "0", "10", "1\n2");
        f.dialogs.AnswerPath(f.Results() + "/no such folder/beam.dis");
        f.dialogs.AnswerOk();
        f.Save();
        QCOMPARE(f.dialogs.Recorded().back().type, DialogType::Message);
        QVERIFY(f.editor.isVisible());
        QVERIFY(!f.window->isEnabled());
        QVERIFY(!f.window->Model().HasHistogram());
        f.editor.close();
        QVERIFY(f.window->isEnabled());
        QVERIFY(!f.window->Model().HasHistogram());
        QVERIFY(f.window->ChartContent().main.bars.empty());
        QCOMPARE(f.window->ChartContent().titleLines.back(), std::string("Histogram :   X * A"));
        QVERIFY(!f.Action(names::VypisVstHist)->isEnabled());
        QVERIFY(!f.Action(names::PopisVysledku1)->isEnabled());
    }

    void anExistingFileIsKeptUnlessTheUserAgrees()
    {
        EditorFixture f;
        const std::string path = f.Write(f.Results() + "/beam.dis", "old");
        f.OpenEditor();
        f.Fill("beam", "0", "10", "1\n2");
        f.dialogs.AnswerPath(path);
        f.dialogs.AnswerNo();
        f.Save();
        QCOMPARE(ReadAll(path), std::string("old"));
        QVERIFY(f.editor.isVisible());
        f.dialogs.AnswerPath(path);
        f.dialogs.AnswerYes();
        f.Save();
        QVERIFY(ReadAll(path) != "old");
        QCOMPARE(f.window->Model().Name, std::string("beam"));
    }

    void textsInBothLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        // clang-format off
        QTest::newRow("Czech") << int(Language::Czech) << QString::fromUtf8("  Morvik :  Popis nového histogramu");
        QTest::newRow("English") << int(Language::English) << "  Morvik :  Description of new histogram";
        // clang-format on
    }
    void textsInBothLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        EditorFixture f;
        if (static_cast<Language>(language) == Language::English) f.window->EnglishClick();
        else f.window->CzechClick();
        f.OpenEditor();
        QCOMPARE(f.editor.windowTitle(), title);
        QVERIFY(!f.Child<QPushButton>("BitBtn2")->toolTip().isEmpty());
        f.editor.close();
        QVERIFY(f.window->isEnabled());
    }
};

MORVIK_GUI_TEST(HistogramEditorTest);
#include "HistogramEditorTest.moc"
