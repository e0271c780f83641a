#include "MonkeyDriver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

#include "dialogs/ScriptedDialogSeam.h"
#include "kit/DesktopCommands.h"

namespace morvik::test {
namespace {

const char* const UrlSchemes[] = {"file", "http", "https", "mailto"};

QString NameOf(const QObject* object)
{
    const QString name = object->objectName();
    return name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name;
}

// What a user may type into a field: numbers of every kind and size, separators, signs, letters, blanks.
const char* const TextPieces[] = {
    "0",    "1",         "2",          "3",      "5",       "9",    "10",    "12",  "64",     "100",   "1024",
    "1025", "-1",        "-3,5",       ",5",     ".25",     "0,5",  "0.999", "1e3", "1E-300", "1e308", "9e999",
    "-0",   "+4",        "1,2,3",      "abc",    "x",       " ",    "",      "-",   "+",      ",",     ".",
    "e",    "999999999", "2147483648", "0.0001", "3.14159", "1e-9", "\t",    "50",  "99.9",   "100.1",
};

const Qt::Key Keys[] = {
    Qt::Key_0,        Qt::Key_1,     Qt::Key_5,     Qt::Key_9,       Qt::Key_Period,    Qt::Key_Comma,
    Qt::Key_Minus,    Qt::Key_E,     Qt::Key_A,     Qt::Key_Space,   Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Return,   Qt::Key_Enter, Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Escape,    Qt::Key_Up,
    Qt::Key_Down,     Qt::Key_Left,  Qt::Key_Right, Qt::Key_Home,    Qt::Key_End,       Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_F1,    Qt::Key_F2,    Qt::Key_F5,      Qt::Key_F10,       Qt::Key_Insert,
    Qt::Key_N,        Qt::Key_O,     Qt::Key_S,     Qt::Key_V,       Qt::Key_F,         Qt::Key_C,
};

}  // namespace

MonkeyDriver::MonkeyDriver(unsigned long long seed, ScriptedDialogSeam& dialogs, std::vector<std::string> paths,
                           QWidget* mainWindow)
    : random_(seed), dialogs_(dialogs), paths_(std::move(paths)), main_(mainWindow)
{
    // Runs inside every event loop, the nested one of a modal window or popup menu too.
    connect(&watchdog_, &QTimer::timeout, this, &MonkeyDriver::CloseWhatWaits);
    watchdog_.start(20);
    for (const char* scheme : UrlSchemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "OpenUrl");
    // The word processor is never started: each program "is missing", so its failure message is exercised.
    SetProcessStarter([](const QString&, const QStringList&, QString& reason) {
        reason = QStringLiteral("not started by the monkey");
        return false;
    });
}

MonkeyDriver::~MonkeyDriver()
{
    for (const char* scheme : UrlSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    SetProcessStarter({});
}

void MonkeyDriver::OpenUrl(const QUrl&) {}

int MonkeyDriver::Pick(int count) { return count <= 1 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(random_); }

QString MonkeyDriver::RandomText()
{
    QString text;
    for (int piece = Pick(3) + 1; piece > 0; --piece) {
        text += QString::fromLatin1(TextPieces[Pick(static_cast<int>(std::size(TextPieces)))]);
    }
    return text;
}

void MonkeyDriver::PrepareAnswers()
{
    dialogs_.Clear();
    for (int answer = Pick(4); answer > 0; --answer) {
        switch (Pick(6)) {
        case 0: dialogs_.AnswerYes(); break;
        case 1: dialogs_.AnswerNo(); break;
        case 2: dialogs_.AnswerOk(); break;
        case 3: dialogs_.AnswerCancel(); break;
        case 4:
            if (!paths_.empty())
                dialogs_.AnswerPath(paths_[static_cast<size_t>(Pick(static_cast<int>(paths_.size())))]);
            break;
        default: dialogs_.AnswerColour(static_cast<Colour>(Pick(1 << 24))); break;
        }
    }
}

void MonkeyDriver::CloseWhatWaits()
{
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        leftWaiting_ << QStringLiteral("%1 '%2'").arg(NameOf(modal), modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
    }
}

template <typename T>
std::vector<T*> MonkeyDriver::Usable(QWidget* window)
{
    std::vector<T*> found;
    for (T* widget : window->findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled()) found.push_back(widget);
    }
    return found;
}

QString MonkeyDriver::Step()
{
    CloseWhatWaits();
    PrepareAnswers();
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isEnabled() && !w->isModal() && w->windowType() != Qt::Popup &&
            w->windowType() != Qt::ToolTip) {
            windows.push_back(w);
        }
    }
    if (windows.empty()) {
        main_->show();
        return QStringLiteral("shows the main window again");
    }
    QWidget* window = windows[static_cast<size_t>(Pick(static_cast<int>(windows.size())))];
    window->activateWindow();
    const int kind = Pick(100);
    QString did;
    if (kind < 18) did = TriggerAction(window);
    else if (kind < 38) did = ClickButton(window);
    else if (kind < 58) did = TypeIntoField(window);
    else if (kind < 68) did = ChooseInList(window);
    else if (kind < 80) did = ClickInTable(window);
    else if (kind < 90) did = ClickAnywhere(window);
    else did = PressKey(window);
    QCoreApplication::processEvents();
    CloseWhatWaits();
    return NameOf(window) + QStringLiteral(": ") + did;
}

QString MonkeyDriver::TriggerAction(QWidget* window)
{
    std::vector<QAction*> actions;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->isEnabled() && action->isVisible() && !action->isSeparator() && !action->menu()) {
            actions.push_back(action);
        }
    }
    if (actions.empty()) return QStringLiteral("no command");
    QAction* action = actions[static_cast<size_t>(Pick(static_cast<int>(actions.size())))];
    const QString name = NameOf(action);
    action->trigger();
    return QStringLiteral("command ") + name;
}

QString MonkeyDriver::ClickButton(QWidget* window)
{
    const std::vector<QAbstractButton*> buttons = Usable<QAbstractButton>(window);
    if (buttons.empty()) return QStringLiteral("no button");
    QAbstractButton* button = buttons[static_cast<size_t>(Pick(static_cast<int>(buttons.size())))];
    const QString name = NameOf(button);
    QTest::mouseClick(button, Qt::LeftButton);
    return QStringLiteral("clicks ") + name;
}

QString MonkeyDriver::TypeIntoField(QWidget* window)
{
    std::vector<QWidget*> fields;
    for (QLineEdit* edit : Usable<QLineEdit>(window)) {
        if (!edit->isReadOnly()) fields.push_back(edit);
    }
    for (QAbstractSpinBox* spin : Usable<QAbstractSpinBox>(window)) fields.push_back(spin);
    for (QPlainTextEdit* memo : Usable<QPlainTextEdit>(window)) {
        if (!memo->isReadOnly()) fields.push_back(memo);
    }
    for (QTextEdit* memo : Usable<QTextEdit>(window)) {
        if (!memo->isReadOnly()) fields.push_back(memo);
    }
    if (fields.empty()) return QStringLiteral("no field");
    QWidget* field = fields[static_cast<size_t>(Pick(static_cast<int>(fields.size())))];
    const QString name = NameOf(field);
    field->setFocus(Qt::MouseFocusReason);
    if (Chance(60)) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);  // replaces what is there
    const QString text = RandomText();
    QTest::keyClicks(field, text);
    if (Chance(30)) QTest::keyClick(field, Qt::Key_Return);
    // Leaving the field: to the next control, or by a click elsewhere.
    const int leave = Pick(3);
    if (leave == 0) QTest::keyClick(field, Qt::Key_Tab);
    else if (leave == 1) field->clearFocus();
    return QStringLiteral("types '%1' into %2").arg(text, name);
}

QString MonkeyDriver::ChooseInList(QWidget* window)
{
    const std::vector<QComboBox*> lists = Usable<QComboBox>(window);
    if (lists.empty()) return QStringLiteral("no list");
    QComboBox* list = lists[static_cast<size_t>(Pick(static_cast<int>(lists.size())))];
    const QString name = NameOf(list);
    if (Chance(50) && list->count() > 0) {
        // A choice from the opened list, as a click on one of its items makes it.
        const int item = Pick(list->count());
        list->setCurrentIndex(item);
        emit list->activated(item);
        return QStringLiteral("chooses item %1 of %2").arg(item).arg(name);
    }
    list->setFocus(Qt::MouseFocusReason);
    const Qt::Key key = Chance(50) ? Qt::Key_Down : Qt::Key_Up;
    for (int times = Pick(3) + 1; times > 0; --times) QTest::keyClick(list, key);
    return QStringLiteral("moves through the list ") + name;
}

QString MonkeyDriver::ClickInTable(QWidget* window)
{
    std::vector<QAbstractItemView*> views;
    for (QAbstractItemView* view : Usable<QAbstractItemView>(window)) {
        if (view->model() && view->model()->rowCount() > 0 && view->model()->columnCount() > 0) views.push_back(view);
    }
    if (views.empty()) return QStringLiteral("no table");
    QAbstractItemView* view = views[static_cast<size_t>(Pick(static_cast<int>(views.size())))];
    const QModelIndex index = view->model()->index(Pick(view->model()->rowCount()), Pick(view->model()->columnCount()));
    view->scrollTo(index);
    const QRect cell = view->visualRect(index);
    const QString name = NameOf(view);
    if (cell.isEmpty()) return QStringLiteral("a hidden cell of ") + name;
    const int how = Pick(4);
    if (how == 0) {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : view, RandomText());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : view, Qt::Key_Return);
    } else if (how == 1) {
        QTest::mouseClick(view->viewport(), Qt::RightButton, Qt::NoModifier, cell.center());
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Chance(20) ? Qt::ShiftModifier : Qt::NoModifier,
                          cell.center());
    }
    return QStringLiteral("clicks cell %1,%2 of %3").arg(index.row()).arg(index.column()).arg(name);
}

QString MonkeyDriver::ClickAnywhere(QWidget* window)
{
    std::vector<QWidget*> widgets = Usable<QWidget>(window);
    widgets.push_back(window);
    QWidget* widget = widgets[static_cast<size_t>(Pick(static_cast<int>(widgets.size())))];
    const QPoint at(Pick(std::max(1, widget->width())), Pick(std::max(1, widget->height())));
    const Qt::MouseButton button = Chance(75) ? Qt::LeftButton : Qt::RightButton;
    const QString name = NameOf(widget);
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
    return QStringLiteral("clicks %1 at %2,%3").arg(name).arg(at.x()).arg(at.y());
}

QString MonkeyDriver::PressKey(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && focus->window() == window ? focus : window;
    const Qt::Key key = Keys[Pick(static_cast<int>(std::size(Keys)))];
    const int modifier = Pick(20);
    const Qt::KeyboardModifiers modifiers = modifier < 12   ? Qt::NoModifier
                                            : modifier < 17 ? Qt::ControlModifier
                                            : modifier < 19 ? Qt::AltModifier
                                                            : Qt::ShiftModifier;
    const QString name = NameOf(target);
    QTest::keyClick(target, key, modifiers);
    return QStringLiteral("presses %1 (modifiers %2) in %3")
        .arg(QKeySequence(key).toString())
        .arg(static_cast<int>(modifiers))
        .arg(name);
}

}  // namespace morvik::test
