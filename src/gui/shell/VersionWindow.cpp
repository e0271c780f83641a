#include "shell/VersionWindow.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "kit/DesktopOpener.h"
#include "kit/QtText.h"
#include "localization/AuxiliaryCaptionSets.h"
#include "statlib/MessageDialog.h"

namespace morvik {
namespace {

constexpr int VersionForm = 2;
constexpr int MailProgramError = 61;
constexpr int VersionWord = 62;

QLabel* CentredLabel(QWidget* parent, QVBoxLayout* layout, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

}  // namespace

VersionWindow::VersionWindow(WindowContext& context, std::string version, QWidget* parent)
    : ToolWindow(VersionForm, context, parent), version_(std::move(version))
{
    // The labels are centred in the band 5 to 365 pixels of the window's default width.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 12, 5, 12);
    layout->setSpacing(6);

    QLabel* name = CentredLabel(this, layout, "Label1");
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    large.setBold(true);
    name->setFont(large);
    CentredLabel(this, layout, "Label6");
    versionLabel_ = CentredLabel(this, layout, "Label8");
    layout->addStretch(1);
    QLabel* authors = CentredLabel(this, layout, "Label9");
    QFont bold = authors->font();
    bold.setBold(true);
    authors->setFont(bold);
    CentredLabel(this, layout, "Label13");
    CentredLabel(this, layout, "Label14");
    layout->addStretch(1);

    for (const ContactAddress& contact : VersionWindowContacts()) {
        const QString address = ToQString(contact.address);
        const QString name = ToQString(contact.objectName);
        if (name.startsWith(QLatin1String("BitBtn"))) {
            auto* button = new QPushButton(address, this);
            button->setObjectName(name);
            connect(button, &QPushButton::clicked, this, [this, address] { WriteTo(address); });
            layout->addWidget(button);
        } else {
            auto* label = new QLabel(this);
            label->setObjectName(name);
            label->setAlignment(Qt::AlignCenter);
            label->setText(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(address));
            label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
            connect(label, &QLabel::linkActivated, this, [this, address] { WriteTo(address); });
            layout->addWidget(label);
        }
    }
    layout->addStretch(1);
    CentredLabel(this, layout, "Label15");
    CentredLabel(this, layout, "Label16");
    CentredLabel(this, layout, "Label17");

    ReadSettings();
    ApplyLanguage(CurrentLanguage());
}

void VersionWindow::ApplyLanguage(Language language)
{
    ToolWindow::ApplyLanguage(language);
    versionLabel_->setText(ToQString(TextCis(VersionWord, language) + " :  " + version_));
}

void VersionWindow::Open()
{
    ApplyLanguage(CurrentLanguage());
    show();
    raise();
    activateWindow();
}

void VersionWindow::WriteTo(const QString& address)
{
    if (!OpenWithDesktop(QUrl(QStringLiteral("mailto:") + address))) {
        ShowMessage(Message::Error(TextCis(MailProgramError)));
    }
}

void VersionWindow::changeEvent(QEvent* event)
{
    ToolWindow::changeEvent(event);
    // The window is a notice: it goes as soon as the user turns to another window.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

}  // namespace morvik
