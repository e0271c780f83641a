#pragma once
#include <string>

namespace morvik {

// A listing whose lines part a caption from its value with tabs (and blanks), laid out for a fixed-width font:
// every value starts in one column, two blanks after the widest caption. Lines without a tab stay as they are;
// the line ends ("\r\n" or "\n") are kept.
std::string AlignTabbedListing(const std::string& text);

}  // namespace morvik
