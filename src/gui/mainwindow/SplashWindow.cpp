#include "mainwindow/SplashWindow.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace morvik {

SplashWindow::SplashWindow(const std::string& version, int milliseconds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm17"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("background: #fffff0; border: 1px solid #404080;"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    auto addLine = [&](const QString& text, int pointSize, bool bold) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("border: none; color: #202060;"));
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
        layout->addWidget(label);
    };
    addLine(QStringLiteral("M O R V I K"), 26, true);
    addLine(QStringLiteral("Program pro analýzu jednotlivých histogramů"), 11, false);
    addLine(QStringLiteral("Analysis of single bounded histograms"), 11, false);
    addLine(QStringLiteral("Version %1").arg(QString::fromStdString(version)), 10, false);
    QTimer::singleShot(milliseconds, this, &QWidget::close);
}

}  // namespace morvik
