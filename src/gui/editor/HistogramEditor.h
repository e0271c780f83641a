#pragma once
#include <optional>

#include "editor/HistogramEditorModel.h"
#include "windows/ToolWindow.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace morvik {

// The new-histogram editor (TForm18): the user types a name, Min, Max, the kind and one frequency a line; the
// save writes the histogram file into the results folder and hands the histogram to the main window
// (resultReady). A refused or failed save leaves the editor open and the main window as it was.
//
// The rules live in HistogramEditorModel; this class binds the widgets to it.
class HistogramEditor : public ToolWindow {
    Q_OBJECT
public:
    explicit HistogramEditor(WindowContext& context, QWidget* parent = nullptr);

    // Opening from the main window: an empty editor.
    void Start();
    // Opening over the histogram the main window shows, to correct it.
    void StartCorrection(const Histogram& histogram, HistogramKind kind, const std::string& name);
    // `BitBtn2`: the checks, the save dialog, the file, the hand-over.
    void SaveClick();

    const HistogramEditorModel& Model() const { return model_; }
    // The file the histogram of this opening was saved as, or empty.
    const std::string& SavedFile() const { return savedFile_; }

protected:
    std::optional<PublishedResult> TakeResult() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void Refresh();
    // Shows the model's fields and the editor itself.
    void ShowStarted();

    HistogramEditorModel model_;
    std::optional<EditorHandOver> handOver_;
    std::string savedFile_;

    QLineEdit* Edit4 = nullptr;  // name
    QLineEdit* Edit1 = nullptr;  // Min
    QLineEdit* Edit2 = nullptr;  // Max
    QComboBox* ComboBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit3 = nullptr;  // count
    QLineEdit* Edit5 = nullptr;  // Total
    QLineEdit* Edit6 = nullptr;  // the line clicked
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

}  // namespace morvik
