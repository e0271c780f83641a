#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace morvik {

// Writes `content` to a temporary file in the target's folder, flushes it to disk and renames it over the
// target, so the target is either the old file or the complete new one. Returns false on any failure, after
// removing the temporary file.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Reads a regular file of at most `maxBytes` bytes. A larger file is refused from its size, before anything is
// read, so that a huge or endless file never fills the memory; a file that grows past the cap while it is read
// is refused too.
enum class CappedRead { Ok, Unreadable, TooLarge };
CappedRead ReadFileUpTo(const std::string& path, std::uintmax_t maxBytes, std::string& content);

}  // namespace morvik
