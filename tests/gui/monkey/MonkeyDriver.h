#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <random>
#include <string>
#include <vector>

class QWidget;

namespace morvik {
class ScriptedDialogSeam;
}

namespace morvik::test {

// Drives the program's windows with random clicks, keys, field entries, list choices and menu commands, drawn
// from one seed so that a run can be replayed. Every dialog the program asks goes through the scripted seam,
// which the monkey fills with random answers (Yes, No, OK, cancel, a path from `paths`, a colour) before each
// step. A modal window or popup menu that is left open (one that did not come through the seam) is noted and
// closed, so that nothing ever waits for a user.
class MonkeyDriver : public QObject {
    Q_OBJECT
public:
    MonkeyDriver(unsigned long long seed, ScriptedDialogSeam& dialogs, std::vector<std::string> paths,
                 QWidget* mainWindow);
    ~MonkeyDriver() override;

    // One random step against one of the visible windows; returns what it did.
    QString Step();

    // Modal windows and popups found waiting for a user, as "class 'title'" (popups are closed silently).
    const QStringList& LeftWaiting() const { return leftWaiting_; }

public slots:
    // Takes the place of the desktop for every address the program asks to open (help, viewers, mail).
    void OpenUrl(const QUrl& url);

private:
    int Pick(int count);
    bool Chance(int percent) { return Pick(100) < percent; }
    QString RandomText();
    void PrepareAnswers();
    void CloseWhatWaits();

    template <typename T>
    std::vector<T*> Usable(QWidget* window);

    QString TriggerAction(QWidget* window);
    QString ClickButton(QWidget* window);
    QString TypeIntoField(QWidget* window);
    QString ChooseInList(QWidget* window);
    QString ClickInTable(QWidget* window);
    QString ClickAnywhere(QWidget* window);
    QString PressKey(QWidget* window);

    std::mt19937_64 random_;
    ScriptedDialogSeam& dialogs_;
    std::vector<std::string> paths_;
    QWidget* main_;
    QStringList leftWaiting_;
    QTimer watchdog_;
};

}  // namespace morvik::test
