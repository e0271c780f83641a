#include "common/KeyFilter.h"

namespace morvik {

std::optional<char> FilterFieldKey(KeySet keys, char key)
{
    constexpr char Backspace = 8;
    if (key == Backspace) return key;
    if (key >= '0' && key <= '9') return key;
    if (keys == KeySet::Digits) return std::nullopt;
    if (key == '.' || key == ',') return '.';
    if (keys == KeySet::UnsignedReal) return std::nullopt;
    if (key == '-' || key == 'E') return key;
    if (key == 'e') return 'E';
    return std::nullopt;
}

}  // namespace morvik
