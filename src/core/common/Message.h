#pragma once
#include <string>

namespace morvik {

// The kinds of message dialog; the values are those of the message-dialog call.
enum class DialogKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

// Title message number of each dialog kind.
int TitleNumber(DialogKind kind);

// A message the program shows in one modal dialog: the refusal of a command, a question, a notice.
struct Message {
    DialogKind kind = DialogKind::Error;
    std::string text;

    static Message Error(std::string text) { return {DialogKind::Error, std::move(text)}; }
    static Message Warning(std::string text) { return {DialogKind::Warning, std::move(text)}; }
    static Message Information(std::string text) { return {DialogKind::Information, std::move(text)}; }
    static Message Confirmation(std::string text) { return {DialogKind::Confirmation, std::move(text)}; }
    bool operator==(const Message&) const = default;
};

}  // namespace morvik
