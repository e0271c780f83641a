#pragma once
#include <QFrame>

#include "kit/Screen.h"

namespace morvik {

class ChartView;

// The chart's command bar (Panel2): copy the chart to the clipboard and show the whole chart again after a
// zoom. It lies over the top right corner of its chart; its window decides when it shows (the user keeps the
// chart toolbar on, and the window fills the screen's width).
class ChartToolbar : public QFrame {
    Q_OBJECT
public:
    // `name` is the bar's objectName in its window ("Panel2" in most windows).
    explicit ChartToolbar(ChartView* chart, const char* name = "Panel2");

    // Places the bar `fromRight` pixels left of the chart's right edge and `top` below its top, shown or not.
    void Place(int fromRight, int top, bool shown);

private:
    ChartView* chart_;
};

}  // namespace morvik
