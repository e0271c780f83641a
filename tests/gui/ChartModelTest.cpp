// The chart's plain data: value format, mark texts and colour conversion.
#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

#include "GuiTest.h"
#include "chart/ChartColour.h"
#include "chart/ChartModel.h"

using namespace morvik;

class ChartModelTest : public QObject {
    Q_OBJECT
private slots:
    void formatsValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("scientific") << 0.1234 << "#.### E-" << "1.234 E-1";
        QTest::newRow("optional zeros dropped") << 0.1 << "#.### E-" << "1 E-1";
        QTest::newRow("positive exponent without sign") << 12345.6 << "#.### E-" << "1.235 E4";
        QTest::newRow("negative value") << -0.00123 << "#.### E-" << "-1.23 E-3";
        QTest::newRow("rounding carries into the exponent") << 9.9996 << "#.### E-" << "1 E1";
        QTest::newRow("zero") << 0.0 << "#.### E-" << "0";
        QTest::newRow("sign always, two exponent digits") << 1234.0 << "0.00E+00" << "1.23E+03";
        QTest::newRow("fixed with required decimals") << 0.5 << "0.000" << "0.500";
        QTest::newRow("fixed with optional decimals") << 2.0 << "#.##" << "2";
        QTest::newRow("fixed rounds") << 2.4567 << "#.##" << "2.46";
        QTest::newRow("negative zero") << -0.0001 << "0.0" << "0.0";
    }
    void formatsValues()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatChartValue(value, format.toStdString())), text);
    }

    void marksSayWhatTheirStyleAsks()
    {
        ChartSeries series;
        series.bars = {{0.25, RgbColour(0, 0, 255), "1.5"}, {0.5, RgbColour(0, 0, 255), "2.5"}};
        const std::pair<MarkStyle, std::string> cases[] = {
            {MarkStyle::Value, "5 E-1"},
            {MarkStyle::Label, "2.5"},
            {MarkStyle::LabelAndValue, "2.5 5 E-1"},
            {MarkStyle::Position, "2"},
            {MarkStyle::PositionAndValue, "2 5 E-1"},
        };
        for (const auto& [style, text] : cases) {
            series.marks.style = style;
            QCOMPARE(MarkText(series, 1, "#.### E-"), text);
        }
    }

    void convertsProgramColours()
    {
        QCOMPARE(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
        QCOMPARE(FromQColor(QColor(0x99, 0x66, 0x33)), Colour{0x00336699});
        QCOMPARE(FromQColor(QColor(1, 2, 3, 40)), RgbColour(1, 2, 3));  // alpha is not part of a program colour
        QCOMPARE(ToQColor(0xFF000005), QGuiApplication::palette().color(QPalette::Base));
        QCOMPARE(ToQColor(ButtonFaceColour), QGuiApplication::palette().color(QPalette::Button));
        QCOMPARE(ToQColor(0xFF000008), QGuiApplication::palette().color(QPalette::WindowText));
    }
};

MORVIK_GUI_TEST(ChartModelTest);
#include "ChartModelTest.moc"
