#pragma once
#include <QString>

namespace morvik {

// A new widget with its objectName: the name the caption sets address and the tests find it by.
template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace morvik
