#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvik {

// The value tags of the table files.
enum class ValueTag : uint8_t { Int8 = 2, Int16 = 3, Int32 = 4, Extended = 5, Double = 21 };

// Appends tagged values to a byte string.
class TaggedWriter {
public:
    void WriteInteger(int32_t value);         // the shortest of tags 2, 3 and 4
    void WriteString(std::string_view text);  // a length byte and at most 255 bytes, cut between characters
    void WriteReal(long double value);        // tag 5 and the 10-byte extended value
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads tagged values from a byte string. The first fault (a wrong tag or the end of the data) stops the
// reader: every later read fails too, and Fault() tells what went wrong and where.
class TaggedReader {
public:
    explicit TaggedReader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<int32_t> ReadInteger();
    std::optional<std::string> ReadString();
    // A real may also come as an 8-byte double (tag 21) or as an integer.
    std::optional<long double> ReadReal();

    size_t Position() const { return position_; }
    size_t Remaining() const { return bytes_.size() - position_; }
    bool Failed() const { return !fault_.empty(); }
    const std::string& Fault() const { return fault_; }

private:
    bool Take(size_t count, std::string_view& taken);
    std::optional<int32_t> IntegerOfTag(uint8_t tag);
    void WrongTag(uint8_t tag, size_t at);

    std::string_view bytes_;
    size_t position_ = 0;
    std::string fault_;
};

}  // namespace morvik
