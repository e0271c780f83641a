// Program colours on the screen: RGB colours and the system colours of the palette.
#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

#include "GuiTest.h"
#include "chart/ChartColour.h"

using namespace morvik;

class ChartColourTest : public QObject {
    Q_OBJECT
private slots:
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

MORVIK_GUI_TEST(ChartColourTest);
#include "ChartColourTest.moc"
