#include "kit/ChartOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <array>
#include <string>

#include "kit/Named.h"
#include "kit/QtText.h"
#include "localization/MainWindowTexts.h"

namespace morvik {

ChartMarks ChartOptions::Marks() const
{
    return {MarkStyleOfItem(CBMarks->currentIndex()), SpinEdAngle->value(), CheckBox1->isChecked()};
}

Colour ChartOptions::ReadKeys(const SettingsFile& settings, int formNumber) const
{
    const ChartWindowSettings chart = ReadChartWindowSettings(settings, formNumber);
    CBMarks->setCurrentIndex(chart.CBMarksItemIndex);
    SpinEdAngle->blockSignals(true);
    SpinEdAngle->setValue(chart.SpinEdAngleValue);
    SpinEdAngle->blockSignals(false);
    return chart.chartBackground;
}

void ChartOptions::WriteKeys(SettingsFile& settings, int formNumber, Colour chartBackground) const
{
    WriteChartWindowSettings(settings, formNumber, {chartBackground, CBMarks->currentIndex(), SpinEdAngle->value()});
}

void ChartOptions::Connect(QObject* context, const std::function<void()>& redisplay, bool& index1,
                           const std::function<void(bool index1)>& announce) const
{
    QObject::connect(CheckBox1, &QCheckBox::toggled, context, [redisplay] { redisplay(); });
    QObject::connect(CBMarks, &QComboBox::currentIndexChanged, context, [box = CheckBox1, redisplay] {
        if (box->isChecked()) redisplay();
    });
    QObject::connect(SpinEdAngle, &QSpinBox::valueChanged, context, [box = CheckBox1] { box->setChecked(false); });
    QObject::connect(CBValInd, &QComboBox::activated, context, [&index1, announce, redisplay](int index) {
        index1 = index != 1;
        announce(index1);
        redisplay();
    });
}

void ChartOptions::ApplyLanguage(Language language) const
{
    const std::array<std::string, 2> items = CBValIndItems(language);
    for (int item = 0; item < 2; ++item) CBValInd->setItemText(item, ToQString(items[static_cast<size_t>(item)]));
}

ChartOptions MakeChartOptions(QWidget* parent)
{
    ChartOptions options;
    options.CBMarks = Named(new QComboBox(parent), "CBMarks");
    for (const std::string& item : CBMarksItems()) options.CBMarks->addItem(ToQString(item));
    options.SpinEdAngle = Named(new QSpinBox(parent), "SpinEdAngle");
    options.SpinEdAngle->setRange(0, 360);
    options.SpinEdAngle->setValue(90);
    options.Label1 = Named(new QLabel(parent), "Label1");
    options.Label2 = Named(new QLabel(parent), "Label2");
    options.CheckBox1 = Named(new QCheckBox(parent), "CheckBox1");
    options.CBValInd = Named(new QComboBox(parent), "CBValInd");
    options.CBValInd->addItems({QString(), QString()});
    return options;
}

}  // namespace morvik
