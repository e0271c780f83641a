#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "common/Message.h"

namespace morvik {

// The checks of the raw-data window's entry fields. Each returns the refusal, or nothing and the value.

// `EdPocetIntervalu`: a whole number (else 114 + the text), not 0 (115), from 3 to 1024 (else 88 + "1024" + " !").
std::optional<Message> CheckRawIntervalCount(std::string_view text, int& n);
// `EdMin` against the current Max: a number (else 20 + " MinX " + the text), below Max (else "MinX >= MaxX !").
std::optional<Message> CheckRawMin(std::string_view text, double max, double& min);
// `EdMax` against the current Min: a number (else 20 + " MaxX " + the text), above Min (else "MaxX <= MinX !").
std::optional<Message> CheckRawMax(std::string_view text, double min, double& max);
// `EdEps`: a number (else 20 + " Eps : " + the text), above 0 (else 97), from 1E-8 to 1 (else 98).
std::optional<Message> CheckRawEps(std::string_view text, double& eps);

// The refusal of a range without width (all raw values equal, or Min not below Max).
Message EmptyRangeMessage();

}  // namespace morvik
