#pragma once
#include "combination/ComponentTableWindow.h"

namespace morvik {

// The summation window (TForm7): the weighted mixture of up to 16 histograms. Closing it after a computation
// hands the result over as "Sumarizace".
class SummationWindow : public ComponentTableWindow {
    Q_OBJECT
public:
    explicit SummationWindow(WindowContext& context, QWidget* parent = nullptr);

protected:
    std::optional<Message> ComputeTable(const AskYesNoFn& ask) override;
};

}  // namespace morvik
