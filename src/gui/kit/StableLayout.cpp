#include "kit/StableLayout.h"

#include <QSizePolicy>
#include <QWidget>

namespace morvik {

void KeepPlaceWhenHidden(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

}  // namespace morvik
