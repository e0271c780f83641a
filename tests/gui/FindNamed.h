#pragma once
#include <QObject>
#include <QString>

namespace morvik::test {

// The child of `root` with this objectName; a test cannot go on without it, so its absence stops the run.
template <typename T>
T* FindNamed(const QObject& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no %s", name);
    return found;
}

}  // namespace morvik::test
