#pragma once
#include <QObject>

namespace morvik {

// The key filter of the numeric fields (multiple, Min, Max, value x, probability P): digits, "-", ".", ","
// (read as "."), "E" and "e" (read as "E") pass, editing and navigation keys pass, every other character is
// discarded with a beep.
class NumericEditFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace morvik
