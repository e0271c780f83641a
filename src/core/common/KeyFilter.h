#pragma once
#include <optional>

namespace morvik {

// Which keys a numeric entry field takes.
enum class KeySet {
    Real,          // digits, "-", ".", ",", "E", "e"
    UnsignedReal,  // digits, ".", ","
    Digits,        // digits only
};
// The character a typed key puts into the field ("," becomes ".", "e" becomes "E"), or nothing: the key is
// swallowed (Enter silently, anything else with a beep). Backspace passes.
std::optional<char> FilterFieldKey(KeySet keys, char key);

}  // namespace morvik
