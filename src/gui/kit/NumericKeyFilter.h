#pragma once
#include <QObject>

#include "common/KeyFilter.h"

namespace morvik {

// The key filter of every numeric entry field: the keys of its key set pass ("," typed as ".", "e" as "E"),
// editing, navigation and control keys pass, every other character is discarded with a beep.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    NumericKeyFilter(KeySet keys, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeySet keys_;
};

}  // namespace morvik
