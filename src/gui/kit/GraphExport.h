#pragma once
#include <QObject>
#include <functional>

#include "kit/GraphExportMenu.h"
#include "parametric/ParametricDisplay.h"

namespace morvik {

class ChartView;
struct Folders;

// The graph button of a chart window at work: its menu's four targets act as one choice (ticking one unticks
// the others; unticking the clipboard ticks the bitmap, unticking any other the clipboard), and a click exports
// the chart to the ticked one: the clipboard, or a bitmap, SVG or JPEG file chosen in the picture dialog in the
// graphs folder, after the overwrite question.
class GraphExport : public QObject {
public:
    // `chart` gives the chart at the time of the click (a window may show one of several).
    GraphExport(const GraphExportMenu& menu, std::function<ChartView*()> chart, const Folders& folders,
                QObject* parent);

    GraphTarget Target() const { return target_; }
    void Choose(GraphTarget clicked);
    void Export();

private:
    GraphExportMenu menu_;
    std::function<ChartView*()> chart_;
    const Folders& folders_;
    GraphTarget target_ = GraphTarget::Clipboard;
};

}  // namespace morvik
