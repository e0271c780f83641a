#pragma once
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "dialogs/DialogSeam.h"

namespace morvik {

// The desktop program's dialogs: QMessageBox, QFileDialog and QColorDialog, modal over the parent widget
// (or over the active window when no parent is set).
class QtDialogSeam final : public DialogSeam {
public:
    explicit QtDialogSeam(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    int ShowMessage(const std::string& title, const std::string& text, DialogKind kind, DialogButtons buttons,
                    int defaultResult) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> SavePicture(const FileDialogRequest& request) override;
    std::optional<Colour> ChooseColour(Colour initial) override;

private:
    QWidget* DialogParent() const;
    std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> parent_;
};

// The name filters of a filter string for QFileDialog: "Histograms (*.dis)|*.dis" becomes "Histograms (*.dis)".
// The patterns in brackets are always the real ones, and "*.*" is written "*" so that it lists every file.
QStringList QtNameFilters(const std::string& filter);

}  // namespace morvik
