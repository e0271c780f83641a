// The dialog seam: the scripted seam records and answers, the core's message boxes reach it, and the Qt seam
// shows the right dialogs and returns what the user picked.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "GuiTest.h"
#include "dialogs/QtDialogSeam.h"
#include "dialogs/ScriptedDialogSeam.h"
#include "localization/TextCis.h"

using namespace morvik;

namespace {

// Acts on the next modal dialog as soon as it is shown; a dialog that never shows fails the test instead of
// blocking it.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act)
{
    auto* timer = new QTimer;
    auto* attempts = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, attempts, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            act(*dialog);
        } else if (++*attempts > 200) {
            timer->stop();
            QFAIL("the dialog did not appear");
        } else {
            return;
        }
        timer->deleteLater();
        delete attempts;
    });
    timer->start(10);
}

const char* const HistogramFilter = "Histograms (*.dis)|*.dis|All files (*.*)|*.*";

}  // namespace

class DialogSeamTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedSeamAnswersInOrderAndRecords()
    {
        ScriptedDialogSeam dialogs;
        ScopedDialogSeam installed(dialogs);
        dialogs.AnswerPath("/data/beam.dis");
        dialogs.AnswerNo();
        dialogs.AnswerColour(RgbColour(1, 2, 3));
        dialogs.AnswerCancel();

        FileDialogRequest request{"Open", "/data", HistogramFilter, 1, "dis", ""};
        QCOMPARE(Dialogs().OpenFile(request), std::optional<std::string>("/data/beam.dis"));
        QVERIFY(!AskYesNo("Overwrite?"));
        QCOMPARE(Dialogs().ChooseColour(RgbColour(9, 9, 9)), std::optional<Colour>(RgbColour(1, 2, 3)));
        QCOMPARE(Dialogs().SavePicture(request), std::nullopt);
        QCOMPARE(dialogs.PendingAnswers(), size_t{0});

        const std::vector<RecordedDialog>& seen = dialogs.Recorded();
        QCOMPARE(seen.size(), size_t{4});
        QCOMPARE(seen[0].type, DialogType::OpenFile);
        QCOMPARE(seen[0].file.filter, std::string(HistogramFilter));
        QCOMPARE(seen[0].file.folder, std::string("/data"));
        QCOMPARE(seen[1].type, DialogType::Message);
        QCOMPARE(seen[1].title, TextCis(TitleNumber(DialogKind::Confirmation)));
        QCOMPARE(seen[1].text, std::string("Overwrite?"));
        QCOMPARE(seen[1].kind, DialogKind::Confirmation);
        QCOMPARE(seen[1].buttons, DialogButtons::YesNo);
        QCOMPARE(seen[2].initialColour, RgbColour(9, 9, 9));
        QCOMPARE(seen[3].type, DialogType::SavePicture);
        QVERIFY(dialogs.Mismatches().empty());
    }

    void withoutAnswersDialogsTakeTheirDefault()
    {
        ScriptedDialogSeam dialogs;
        ScopedDialogSeam installed(dialogs);
        QCOMPARE(DefMessageDlg("Sure?", DialogKind::Confirmation, DialogButtons::YesNo, DialogResultNo),
                 DialogResultNo);
        QCOMPARE(ShowMessage(Message::Error("min > max !")), DialogResultOk);
        QCOMPARE(Dialogs().SaveFile({}), std::nullopt);
        QCOMPARE(Dialogs().ChooseColour(0), std::nullopt);
        QCOMPARE(dialogs.Recorded().size(), size_t{4});
        QCOMPARE(dialogs.Recorded()[1].kind, DialogKind::Error);
    }

    void answerThatDoesNotFitIsReported()
    {
        ScriptedDialogSeam dialogs;
        ScopedDialogSeam installed(dialogs);
        dialogs.AnswerPath("/tmp/x.dis");
        dialogs.AnswerYes();
        QCOMPARE(DefMessageDlg("Read on?", DialogKind::Confirmation, DialogButtons::YesNo, DialogResultYes),
                 DialogResultYes);
        QCOMPARE(ShowMessage(Message::Information("Done")), DialogResultOk);  // Yes does not fit an OK box
        QCOMPARE(dialogs.Mismatches().size(), size_t{2});
    }

    void scopeRestoresThePreviousSeam()
    {
        ScriptedDialogSeam outer;
        ScopedDialogSeam installedOuter(outer);
        {
            ScriptedDialogSeam inner;
            ScopedDialogSeam installedInner(inner);
            QCOMPARE(&Dialogs(), static_cast<DialogSeam*>(&inner));
            QCOMPARE(InstalledMessageDialogSeam(), static_cast<MessageDialogSeam*>(&inner));
        }
        QCOMPARE(&Dialogs(), static_cast<DialogSeam*>(&outer));
        QCOMPARE(InstalledMessageDialogSeam(), static_cast<MessageDialogSeam*>(&outer));
    }

    void filtersBecomeQtNameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("names");
        // clang-format off
        QTest::newRow("described patterns") << HistogramFilter
                                            << QStringList{"Histograms (*.dis)", "All files (*)"};
        QTest::newRow("several patterns") << "Raw data|*.txt;*.dat" << QStringList{"Raw data (*.txt *.dat)"};
        QTest::newRow("description names other patterns") << "Pictures (*.bmp)|*.svg"
                                                          << QStringList{"Pictures (*.svg)"};
        QTest::newRow("no filter") << "" << QStringList{};
        // clang-format on
    }
    void filtersBecomeQtNameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, names);
        QCOMPARE(QtNameFilters(filter.toStdString()), names);
    }

    void qtMessageBoxShowsTitleTextAndButtons()
    {
        QtDialogSeam seam;
        QString title;
        QString text;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            QCOMPARE(box.icon(), QMessageBox::Question);
            QCOMPARE(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));
            box.button(QMessageBox::No)->click();
        });
        const int answer = seam.ShowMessage("Confirmation", "File\r\n\r\n\tbeam.bmp exists.", DialogKind::Confirmation,
                                            DialogButtons::YesNo, DialogResultNo);
        QCOMPARE(answer, DialogResultNo);
        QCOMPARE(title, QString("Confirmation"));
        QCOMPARE(text, QString("File\n\n\tbeam.bmp exists."));

        WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        QCOMPARE(
            seam.ShowMessage("Confirmation", "Go?", DialogKind::Confirmation, DialogButtons::YesNo, DialogResultNo),
            DialogResultYes);
    }

    // The splash deletes itself after a few seconds; a message box it carried would go with it while open.
    void aMessageShownWhileTheSplashIsActiveIsNotTheSplashs()
    {
        QtDialogSeam seam;
        QWidget splash(nullptr, Qt::SplashScreen);
        splash.show();
        QApplication::setActiveWindow(&splash);
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        bool overSplash = true;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            overSplash = box.parentWidget() == &splash;
            box.button(QMessageBox::Ok)->click();
        });
        QCOMPARE(seam.ShowMessage("Error", "Data file does not exist !", DialogKind::Error, DialogButtons::Ok,
                                  DialogResultOk),
                 DialogResultOk);
        QVERIFY(!overSplash);
    }

    void qtSaveDialogStartsWhereAskedAndReturnsThePath()
    {
        QTemporaryDir folder;
        QtDialogSeam seam;
        QStringList filters;
        QString suffix;
        QString directory;
        bool confirmsOverwrite = true;
        WhenShown<QFileDialog>([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            suffix = dialog.defaultSuffix();
            directory = dialog.directory().absolutePath();
            confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            // selectFile leaves the name field alone while it has the focus, which it takes as soon as the
            // dialog is activated; whether that came first must not decide the test.
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->clearFocus();
            dialog.selectFile(folder.filePath("beam.dis"));
            static_cast<QDialog&>(dialog).accept();  // public as a QDialog slot
        });
        const auto path = seam.SaveFile({"Save", folder.path().toStdString(), HistogramFilter, 1, "dis", "a.dis"});
        QCOMPARE(path, std::optional<std::string>(folder.filePath("beam.dis").toStdString()));
        QCOMPARE(filters, (QStringList{"Histograms (*.dis)", "All files (*)"}));
        QCOMPARE(suffix, QString("dis"));
        QCOMPARE(directory, QDir(folder.path()).absolutePath());
        QVERIFY2(!confirmsOverwrite, "the program asks about overwriting itself");

        WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(seam.OpenFile({"Open", folder.path().toStdString(), HistogramFilter, 1, "", ""}), std::nullopt);
    }
};

MORVIK_GUI_TEST(DialogSeamTest);
#include "DialogSeamTest.moc"
