#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/Message.h"

namespace morvik {

// The lines typed into the entry memo, checked for saving as a raw data file.
struct TypedDataCheck {
    std::optional<Message> message;  // 135 for no lines, 147/148/149 for the first line that is not a number
    std::string text;                // the file's text when there is no message
};

// Each line is written as typed (a comma stays a comma), an empty line as "0"; lines end with CR LF.
TypedDataCheck CheckTypedData(const std::vector<std::string>& lines);

// The question before an existing file is replaced (message 21 with the full file name; Yes is the default).
Message OverwriteQuestion(const std::string& path);

// `StringGrid5` while typing: a blank and the number of memo lines; a blank and the 0-based line of the caret.
std::string TypedLineCountText(int lines);
std::string TypedCaretLineText(int line);

// `BSave` after the save dialog (and the overwrite question, message 21) has given `path`. Nothing is written
// when a line is refused: a file cut short at the refused line would pass for the complete data. An existing
// file is replaced only by a complete new one; a failure gives message 22 with the file name.
std::optional<Message> SaveTypedData(const std::vector<std::string>& lines, const std::string& path);

}  // namespace morvik
