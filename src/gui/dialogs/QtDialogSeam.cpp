#include "dialogs/QtDialogSeam.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "chart/ChartColour.h"
#include "common/TabbedListing.h"

namespace morvik {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon IconOf(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Warning: return QMessageBox::Warning;
    case DialogKind::Error: return QMessageBox::Critical;
    case DialogKind::Information: return QMessageBox::Information;
    case DialogKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList names;
    for (const FileFilter& entry : ParseFileFilter(filter)) {
        QStringList patterns;
        for (const std::string& pattern : entry.patterns) {
            patterns << (pattern == "*.*" ? QStringLiteral("*") : Text(pattern));
        }
        QString description = Text(entry.description);
        description.remove(trailingPatterns);
        names << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return names;
}

QWidget* QtDialogSeam::DialogParent() const
{
    if (parent_) return parent_.data();
    // The splash closes and deletes itself after a while; a dialog it carried would be deleted while it is open.
    QWidget* active = QApplication::activeWindow();
    return active && active->windowType() == Qt::SplashScreen ? nullptr : active;
}

namespace {

// A listing of captions padded to a value column: two or more lines with a tab or a run of blanks after a word.
bool IsPaddedListing(const QString& text)
{
    static const QRegularExpression padded(QStringLiteral("^[ ]*\\S[^\\n]*(\\t|\\S   +\\S)"),
                                           QRegularExpression::MultilineOption);
    QRegularExpressionMatchIterator lines = padded.globalMatch(text);
    int count = 0;
    while (lines.hasNext() && count < 2) {
        lines.next();
        ++count;
    }
    return count >= 2;
}

}  // namespace

int QtDialogSeam::ShowMessage(const std::string& title, const std::string& text, DialogKind kind, DialogButtons buttons,
                              int defaultResult)
{
    const bool listing = IsPaddedListing(Text(text));
    QString body = Text(listing ? AlignTabbedListing(text) : text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconOf(kind), Text(title), body, QMessageBox::NoButton, DialogParent());
    box.setTextFormat(Qt::PlainText);
    if (listing) {
        // Captions padded to a value column only line up when every character is as wide as the next.
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            label->setWordWrap(false);  // a wrapped line would put its value under its caption
        }
    }
    if (buttons == DialogButtons::YesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(defaultResult == DialogResultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? DialogResultYes : DialogResultNo;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return DialogResultOk;
}

std::optional<std::string> QtDialogSeam::RunFileDialog(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(DialogParent(), Text(request.title), Text(request.folder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks its own question
    }
    const QStringList filters = QtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::max(request.filterIndex, 1) - 1, filters.front()));
    }
    if (!request.defaultSuffix.empty()) { dialog.setDefaultSuffix(Text(request.defaultSuffix)); }
    if (!request.fileName.empty()) { dialog.selectFile(Text(request.fileName)); }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) { return std::nullopt; }
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogSeam::OpenFile(const FileDialogRequest& request)
{
    return RunFileDialog(request, false);
}

std::optional<std::string> QtDialogSeam::SaveFile(const FileDialogRequest& request)
{
    return RunFileDialog(request, true);
}

std::optional<std::string> QtDialogSeam::SavePicture(const FileDialogRequest& request)
{
    return RunFileDialog(request, true);
}

std::optional<Colour> QtDialogSeam::ChooseColour(Colour initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), DialogParent());
    if (!chosen.isValid()) { return std::nullopt; }
    return FromQColor(chosen);
}

}  // namespace morvik
