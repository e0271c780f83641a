#pragma once
#include "combination/ComponentTableWindow.h"

namespace morvik {

// The combination window (TForm8): the histogram of A1 X1 + ... + An Xn from up to 10 histograms. Closing it
// after a computation hands the result over as "Kombinace".
class CombinationWindow : public ComponentTableWindow {
    Q_OBJECT
public:
    explicit CombinationWindow(WindowContext& context, QWidget* parent = nullptr);

protected:
    std::optional<Message> ComputeTable(const AskYesNoFn& ask) override;
};

}  // namespace morvik
