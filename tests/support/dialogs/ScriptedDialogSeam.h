#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "dialogs/DialogSeam.h"

namespace morvik {

enum class DialogType { Message, OpenFile, SaveFile, SavePicture, Colour };

// One dialog as the program asked for it.
struct RecordedDialog {
    DialogType type = DialogType::Message;
    std::string title;
    // Message boxes.
    std::string text;
    DialogKind kind = DialogKind::Information;
    DialogButtons buttons = DialogButtons::Ok;
    int defaultResult = DialogResultOk;
    // File dialogs (their title is also in `title`).
    FileDialogRequest file;
    // The colour dialog.
    Colour initialColour = 0;
};

// A seam for tests: records every dialog and answers from a queue of prepared answers, one per dialog, in order.
// A dialog without a prepared answer gets its default (message boxes) or is cancelled (file and colour dialogs);
// nothing ever blocks.
//
//     ScriptedDialogSeam dialogs;
//     ScopedDialogSeam installed(dialogs);
//     dialogs.AnswerPath("/tmp/a.dis");
//     dialogs.AnswerYes();
//     window.OpenHistogram();                  // the open dialog gets the path, the question gets Yes
//     QCOMPARE(dialogs.Recorded().at(1).text, ...);
class ScriptedDialogSeam final : public DialogSeam {
public:
    void AnswerYes();
    void AnswerNo();
    void AnswerOk();
    void AnswerPath(std::string path);
    void AnswerColour(Colour colour);
    void AnswerCancel();  // cancels a file or colour dialog; a message box gets its default

    const std::vector<RecordedDialog>& Recorded() const { return recorded_; }
    const RecordedDialog& Last() const { return recorded_.back(); }
    std::size_t PendingAnswers() const { return answers_.size(); }
    // Answers that did not fit the dialog they met (a path for a message box, Yes for an OK box, ...);
    // that dialog got its default instead.
    const std::vector<std::string>& Mismatches() const { return mismatches_; }
    void Clear();

    int ShowMessage(const std::string& title, const std::string& text, DialogKind kind, DialogButtons buttons,
                    int defaultResult) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> SavePicture(const FileDialogRequest& request) override;
    std::optional<Colour> ChooseColour(Colour initial) override;

private:
    struct Answer {
        enum class Kind { Result, Path, Colour, Cancel } kind = Kind::Cancel;
        int result = 0;
        std::string path;
        Colour colour = 0;
    };
    std::optional<Answer> TakeAnswer();
    std::optional<std::string> AnswerFileDialog(DialogType type, const FileDialogRequest& request);
    void NoteMismatch(const std::string& what);

    std::vector<RecordedDialog> recorded_;
    std::deque<Answer> answers_;
    std::vector<std::string> mismatches_;
};

}  // namespace morvik
