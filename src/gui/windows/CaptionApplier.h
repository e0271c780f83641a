#pragma once
#include <span>

#include "localization/CaptionSets.h"

class QObject;
class QString;
class QWidget;

namespace morvik {

// Puts a caption set onto a window: captions onto actions, menus, buttons, labels and group boxes, hints onto
// tooltips ("short") and status tips ("long"), cells onto table widgets and items onto combo boxes. Elements are
// found by objectName below `window`; a text whose element the window does not have is skipped.
void ApplyCaptionSet(QWidget* window, std::span<const CaptionText> set);

// Puts a hint "short|long" onto an action, menu or widget: the short part as tooltip, the long part as status
// tip; a hint without "|" is both.
void ApplyHint(QObject* target, const QString& hint);

}  // namespace morvik
