#include "shell/ColoursWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "chart/ChartColour.h"
#include "dialogs/DialogSeam.h"
#include "kit/FormColours.h"
#include "kit/Named.h"

namespace morvik {
namespace {

constexpr int ColoursForm = 5;

// The five groups of the window and the slots each holds.
struct SlotGroup {
    const char* name;
    int first;
    int last;
};
constexpr SlotGroup Groups[] = {
    {"GroupBox1", 0, 3}, {"GroupBox2", 4, 8}, {"GroupBox3", 9, 11}, {"GroupBox4", 12, 13}, {"GroupBox5", 14, 15},
};

}  // namespace

ColoursWindow::ColoursWindow(WindowContext& context, QWidget* parent) : ToolWindow(ColoursForm, context, parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    for (const SlotGroup& group : Groups) {
        auto* box = Named(new QGroupBox(this), group.name);
        auto* grid = new QGridLayout(box);
        for (int slot = group.first; slot <= group.last; ++slot) {
            const int row = slot - group.first;
            buttons_[slot] = Named(new QPushButton(box), ("Button" + std::to_string(slot + 1)).c_str());
            previews_[slot] = Named(new QLineEdit(box), ("Edit" + std::to_string(slot + 1)).c_str());
            previews_[slot]->setReadOnly(true);
            previews_[slot]->setFocusPolicy(Qt::NoFocus);
            previews_[slot]->setFixedWidth(40);
            grid->addWidget(buttons_[slot], row, 0);
            grid->addWidget(previews_[slot], row, 1);
            connect(buttons_[slot], &QPushButton::clicked, this, [this, slot] { ChangeColour(slot); });
        }
        (group.first < 9 ? left : right)->addWidget(box);
    }
    left->addStretch(1);
    right->addStretch(1);
    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void ColoursWindow::Open(const MainWindowColours& colours)
{
    for (int slot = 0; slot < ColourSlotCount; ++slot) ShowPreview(slot, SlotColour(colours, slot));
    // The language may have changed since the window was last shown; it closes before any other window opens.
    ApplyLanguage(CurrentLanguage());
    show();
    raise();
    activateWindow();
}

void ColoursWindow::ChangeColour(int slot)
{
    if (slot < 0 || slot >= ColourSlotCount) return;
    choosing_ = true;
    const std::optional<Colour> chosen = Dialogs().ChooseColour(shown_[slot]);
    choosing_ = false;
    if (!chosen) return;
    ShowPreview(slot, *chosen);
    emit colourChosen(slot, *chosen);
}

void ColoursWindow::ShowPreview(int slot, Colour colour)
{
    shown_[slot] = colour;
    // The colour itself, a system colour as the desktop shows it (not the edit field's own background).
    QPalette palette = previews_[slot]->palette();
    palette.setColor(QPalette::Base, ToQColor(colour));
    previews_[slot]->setPalette(palette);
}

void ColoursWindow::changeEvent(QEvent* event)
{
    ToolWindow::changeEvent(event);
    // Another window took the focus: the colours window is done. Closing waits for the event to finish.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !choosing_) {
        QTimer::singleShot(0, this, [this] {
            if (!isActiveWindow() && !choosing_) close();
        });
    }
}

}  // namespace morvik
