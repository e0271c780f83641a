#include "chart/ChartToolbar.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

#include "chart/ChartView.h"

namespace morvik {

ChartToolbar::ChartToolbar(ChartView* chart, const char* name) : QFrame(chart), chart_(chart)
{
    setObjectName(QString::fromLatin1(name));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* tools = new QHBoxLayout(this);
    tools->setContentsMargins(2, 2, 2, 2);
    auto* copy = new QToolButton(this);
    copy->setObjectName(QStringLiteral("BCopy"));
    auto* allBars = new QToolButton(this);
    allBars->setObjectName(QStringLiteral("BAllBars"));
    tools->addWidget(copy);
    tools->addWidget(allBars);
    connect(copy, &QToolButton::clicked, chart, [chart] { chart->copyToClipboard(); });
    connect(allBars, &QToolButton::clicked, chart, [chart] { chart->showAllBars(); });
    hide();
}

void ChartToolbar::Place(int fromRight, int top, bool shown)
{
    adjustSize();
    move(std::max(0, chart_->width() - fromRight), top);
    setVisible(shown);
    raise();
}

}  // namespace morvik
