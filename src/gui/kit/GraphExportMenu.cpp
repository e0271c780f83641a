#include "kit/GraphExportMenu.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "kit/Named.h"

namespace morvik {

GraphExportMenu MakeGraphExportMenu()
{
    GraphExportMenu graph;
    graph.UlozGraf = Named(new QToolButton, "UlozGraf");
    graph.UlozGraf->setText(QStringLiteral("Graf"));
    graph.UlozGraf->setPopupMode(QToolButton::MenuButtonPopup);
    graph.PopupMenu2 = Named(new QMenu(graph.UlozGraf), "PopupMenu2");
    const char* targetNames[] = {"Schranka", "Bitmapa", "Metafile", "JPGFile"};
    const char* targetCaptions[] = {"&Schránky", "&Bitmapy", "&MetaFile", "&JPGFile"};
    for (size_t i = 0; i < graph.targets.size(); ++i) {
        QAction* action = graph.PopupMenu2->addAction(QString::fromUtf8(targetCaptions[i]));
        action->setObjectName(QString::fromLatin1(targetNames[i]));
        action->setCheckable(true);
        graph.targets[i] = action;
    }
    graph.targets[0]->setChecked(true);
    graph.UlozGraf->setMenu(graph.PopupMenu2);
    return graph;
}

}  // namespace morvik
