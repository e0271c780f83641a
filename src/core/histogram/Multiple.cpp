#include "histogram/Multiple.h"

#include <cmath>

#include "common/KeyFilter.h"
#include "common/NumberText.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

MultipleCheck CheckMultiple(const std::string& text, HistogramKind kind)
{
    MultipleCheck check;
    if (text.empty()) return check;
    auto value = ParseFieldNumber(text);  // refuses a leading "E" too
    if (!value) {
        check.message = Message::Error(TextCis(msg::InvalidNumber) + text);
        return check;
    }
    double a = *value;
    if (kind == HistogramKind::PureDiscrete && a != std::floor(a)) {
        check.message = Message::Information(TextCis(msg::PureDiscreteNeedsWholeMultiple));
        return check;
    }
    if (a == 0) {
        check.message = Message::Error(TextCis(msg::ZeroMultiple));
        a = 1;
    }
    if (std::fabs(a) < 0.0001) {
        check.message = Message::Error(TextCis(msg::TinyMultiple));
        a = 0.0001;
    }
    check.multiple = a;
    check.text = StrNaCarku(a);
    return check;
}

std::optional<char> FilterNumericKey(char key) { return FilterFieldKey(KeySet::Real, key); }

bool KeyDeservesBeep(char key) { return key != '\r' && key != '\n' && !FilterNumericKey(key); }

}  // namespace morvik
