#pragma once
#include <optional>
#include <string>

#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

// The outcome of checking the text of the multiple field: the multiple in force afterwards, the text the field
// shows, and the message to show first (if any). A refused entry leaves a valid multiple: 1, or 0.0001 for a
// tiny one.
struct MultipleCheck {
    double multiple = 1;
    std::string text = "1.00";
    std::optional<Message> message;
};

// Checks an entry of the multiple A: empty gives 1; not a number (or starting with "E") gives message 20;
// a Pure Discrete histogram needs a whole multiple (message 130); 0 gives message 23 and 1;
// |A| < 0.0001 gives message 24 and 0.0001.
MultipleCheck CheckMultiple(const std::string& text, HistogramKind kind);

// The key filter of the numeric fields: returns the character to insert, or nullopt to discard the key
// (with a beep). Digits, "-", ".", "E" pass; "," becomes "." and "e" becomes "E"; Backspace passes;
// Enter is discarded (the key-down handler moves the focus on).
std::optional<char> FilterNumericKey(char key);
// True when the discarded key deserves the beep (everything but Enter).
bool KeyDeservesBeep(char key);

}  // namespace morvik
