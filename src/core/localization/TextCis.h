#pragma once
#include <string>
#include <string_view>

namespace morvik {

enum class Language { Czech, English };

// The language of every later message; the program starts in English.
void SetLanguage(Language language);
Language CurrentLanguage();

// The catalogue text of a message number in the current (or given) language; a number without a text gives
// the fallback "TextCis[n] no exist !" / "TextCis[n] neexistuje !".
std::string TextCis(int number);
std::string TextCis(int number, Language language);

// A catalogue text with its single "%s" replaced by `argument` (texts without "%s" are returned unchanged).
std::string FormatText(int number, std::string_view argument);
std::string FormatText(int number, std::string_view argument, Language language);
std::string FormatPlaceholder(std::string_view text, std::string_view argument);

}  // namespace morvik
