#pragma once
#include <array>

#include "common/Colour.h"
#include "shell/ColourSlots.h"
#include "windows/ToolWindow.h"

class QLineEdit;
class QPushButton;

namespace morvik {

// The colours window (TForm5): sixteen buttons Button1 to Button16, each with its preview box Edit1 to Edit16.
// A button asks the colour dialog for its slot's colour; a confirmed colour goes to the preview box and is
// announced at once. The window stays above the program's windows and closes as soon as it loses the focus.
class ColoursWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit ColoursWindow(WindowContext& context, QWidget* parent = nullptr);

    // Shows the window with the current colours in the preview boxes.
    void Open(const MainWindowColours& colours);
    // The colour button of a slot (0 to 15): the colour dialog, then the chosen colour everywhere.
    void ChangeColour(int slot);

signals:
    void colourChosen(int slot, morvik::Colour colour);

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowPreview(int slot, Colour colour);

    std::array<QPushButton*, ColourSlotCount> buttons_{};
    std::array<QLineEdit*, ColourSlotCount> previews_{};
    std::array<Colour, ColourSlotCount> shown_{};
    bool choosing_ = false;  // the colour dialog is open: losing the focus to it is no reason to close
};

}  // namespace morvik
