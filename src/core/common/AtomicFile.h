#pragma once
#include <string>
#include <string_view>

namespace morvik {

// Writes `content` to a temporary file in the target's folder, flushes it to disk and renames it over the
// target, so the target is either the old file or the complete new one. Returns false on any failure, after
// removing the temporary file.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace morvik
