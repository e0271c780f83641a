#pragma once
#include <optional>
#include <string_view>

#include "common/Message.h"

namespace morvik {

// The interval count of a generation: a whole number from 3 to 1024, else message 88 + "1024" + " !".
std::optional<Message> CheckIntervalCount(std::string_view text, int& bins);

// The Eps of a generation: a number (else message 99 + " Eps : " + the text), greater than 0 (else 97),
// from 1E-8 to 1 with both bounds accepted (else 98).
std::optional<Message> CheckEps(std::string_view text, double& eps);

}  // namespace morvik
