#include "dialogs/ScriptedDialogSeam.h"

namespace morvik {

void ScriptedDialogSeam::AnswerYes() { answers_.push_back({Answer::Kind::Result, DialogResultYes, {}, 0}); }
void ScriptedDialogSeam::AnswerNo() { answers_.push_back({Answer::Kind::Result, DialogResultNo, {}, 0}); }
void ScriptedDialogSeam::AnswerOk() { answers_.push_back({Answer::Kind::Result, DialogResultOk, {}, 0}); }
void ScriptedDialogSeam::AnswerPath(std::string path)
{
    answers_.push_back({Answer::Kind::Path, 0, std::move(path), 0});
}
void ScriptedDialogSeam::AnswerColour(Colour colour) { answers_.push_back({Answer::Kind::Colour, 0, {}, colour}); }
void ScriptedDialogSeam::AnswerCancel() { answers_.push_back({}); }

void ScriptedDialogSeam::Clear()
{
    recorded_.clear();
    answers_.clear();
    mismatches_.clear();
}

std::optional<ScriptedDialogSeam::Answer> ScriptedDialogSeam::TakeAnswer()
{
    if (answers_.empty()) { return std::nullopt; }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedDialogSeam::NoteMismatch(const std::string& what)
{
    mismatches_.push_back("dialog " + std::to_string(recorded_.size()) + " (\"" + recorded_.back().title +
                          "\"): " + what);
}

int ScriptedDialogSeam::ShowMessage(const std::string& title, const std::string& text, DialogKind kind,
                                    DialogButtons buttons, int defaultResult)
{
    RecordedDialog dialog;
    dialog.type = DialogType::Message;
    dialog.title = title;
    dialog.text = text;
    dialog.kind = kind;
    dialog.buttons = buttons;
    dialog.defaultResult = defaultResult;
    recorded_.push_back(std::move(dialog));

    const std::optional<Answer> answer = TakeAnswer();
    if (!answer || answer->kind == Answer::Kind::Cancel) { return defaultResult; }
    const bool yesNo = answer->kind == Answer::Kind::Result && answer->result != DialogResultOk;
    const bool fits = answer->kind == Answer::Kind::Result && yesNo == (buttons == DialogButtons::YesNo);
    if (!fits) {
        NoteMismatch("the prepared answer does not fit this message box");
        return defaultResult;
    }
    return answer->result;
}

std::optional<std::string> ScriptedDialogSeam::AnswerFileDialog(DialogType type, const FileDialogRequest& request)
{
    RecordedDialog dialog;
    dialog.type = type;
    dialog.title = request.title;
    dialog.file = request;
    recorded_.push_back(std::move(dialog));

    const std::optional<Answer> answer = TakeAnswer();
    if (!answer || answer->kind == Answer::Kind::Cancel) { return std::nullopt; }
    if (answer->kind != Answer::Kind::Path) {
        NoteMismatch("a file dialog needs a path or a cancel");
        return std::nullopt;
    }
    return answer->path;
}

std::optional<std::string> ScriptedDialogSeam::OpenFile(const FileDialogRequest& request)
{
    return AnswerFileDialog(DialogType::OpenFile, request);
}

std::optional<std::string> ScriptedDialogSeam::SaveFile(const FileDialogRequest& request)
{
    return AnswerFileDialog(DialogType::SaveFile, request);
}

std::optional<std::string> ScriptedDialogSeam::SavePicture(const FileDialogRequest& request)
{
    return AnswerFileDialog(DialogType::SavePicture, request);
}

std::optional<Colour> ScriptedDialogSeam::ChooseColour(Colour initial)
{
    RecordedDialog dialog;
    dialog.type = DialogType::Colour;
    dialog.initialColour = initial;
    recorded_.push_back(std::move(dialog));

    const std::optional<Answer> answer = TakeAnswer();
    if (!answer || answer->kind == Answer::Kind::Cancel) { return std::nullopt; }
    if (answer->kind != Answer::Kind::Colour) {
        NoteMismatch("the colour dialog needs a colour or a cancel");
        return std::nullopt;
    }
    return answer->colour;
}

}  // namespace morvik
