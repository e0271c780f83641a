#pragma once
#include <functional>

#include "chart/ChartModel.h"
#include "localization/TextCis.h"
#include "shell/ChartWindowSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QSpinBox;
class QWidget;

namespace morvik {

// The chart options every chart window carries beside its chart: the marks list CBMarks, the label angle
// SpinEdAngle (with its captions Label1 and Label2), the marks check box CheckBox1 and the index/value list
// CBValInd. The window lays them out; their captions come from its caption set.
struct ChartOptions {
    QComboBox* CBMarks = nullptr;
    QSpinBox* SpinEdAngle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QComboBox* CBValInd = nullptr;

    // The marks as the controls now say.
    ChartMarks Marks() const;
    // Puts window `formNumber`'s stored marks choice and angle back, without firing the angle's change signal,
    // and returns its stored chart background.
    Colour ReadKeys(const SettingsFile& settings, int formNumber) const;
    // Stores the marks choice and angle as the controls say, with the chart's background.
    void WriteKeys(SettingsFile& settings, int formNumber, Colour chartBackground) const;
    // Wires the options as every chart window wants them: the marks box and a marks choice while it is ticked
    // redraw, a new angle hides the marks until they are ticked again (they then take the angle), and a choice in
    // the index/value list sets `index1` (true for index labels), is announced, then redraws. `index1` must live
    // as long as `context`.
    void Connect(QObject* context, const std::function<void()>& redisplay, bool& index1,
                 const std::function<void(bool index1)>& announce) const;
    // The index/value list's items in the given language.
    void ApplyLanguage(Language language) const;
};

ChartOptions MakeChartOptions(QWidget* parent);

}  // namespace morvik
