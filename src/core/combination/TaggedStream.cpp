#include "combination/TaggedStream.h"

#include <cstring>

#include "combination/ExtendedReal.h"

namespace morvik {
namespace {

void AppendLittleEndian(std::string& bytes, uint64_t value, int count)
{
    for (int i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t LittleEndian(std::string_view bytes)
{
    uint64_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;) value = (value << 8) | static_cast<uint8_t>(bytes[i]);
    return value;
}

// The longest prefix of at most `limit` bytes that does not end inside a UTF-8 character.
size_t CutBetweenCharacters(std::string_view text, size_t limit)
{
    if (text.size() <= limit) return text.size();
    size_t cut = limit;
    while (cut > 0 && (static_cast<uint8_t>(text[cut]) & 0xC0) == 0x80) --cut;
    return cut;
}

}  // namespace

void TaggedWriter::WriteInteger(int32_t value)
{
    if (value >= -128 && value <= 127) {
        bytes_ += static_cast<char>(ValueTag::Int8);
        AppendLittleEndian(bytes_, static_cast<uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        bytes_ += static_cast<char>(ValueTag::Int16);
        AppendLittleEndian(bytes_, static_cast<uint32_t>(value), 2);
    } else {
        bytes_ += static_cast<char>(ValueTag::Int32);
        AppendLittleEndian(bytes_, static_cast<uint32_t>(value), 4);
    }
}

void TaggedWriter::WriteString(std::string_view text)
{
    const size_t length = CutBetweenCharacters(text, 255);
    bytes_ += static_cast<char>(length);
    bytes_.append(text.substr(0, length));
}

void TaggedWriter::WriteReal(long double value)
{
    bytes_ += static_cast<char>(ValueTag::Extended);
    const ExtendedBytes encoded = EncodeExtended(value);
    bytes_.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
}

bool TaggedReader::Take(size_t count, std::string_view& taken)
{
    if (Failed()) return false;
    if (Remaining() < count) {
        fault_ = "the file ends too early (at byte " + std::to_string(bytes_.size()) + ")";
        position_ = bytes_.size();
        return false;
    }
    taken = bytes_.substr(position_, count);
    position_ += count;
    return true;
}

void TaggedReader::WrongTag(uint8_t tag, size_t at)
{
    fault_ = "unexpected value type " + std::to_string(tag) + " at byte " + std::to_string(at);
}

std::optional<int32_t> TaggedReader::IntegerOfTag(uint8_t tag)
{
    std::string_view raw;
    switch (static_cast<ValueTag>(tag)) {
    case ValueTag::Int8:
        if (!Take(1, raw)) return std::nullopt;
        return static_cast<int8_t>(LittleEndian(raw));
    case ValueTag::Int16:
        if (!Take(2, raw)) return std::nullopt;
        return static_cast<int16_t>(LittleEndian(raw));
    case ValueTag::Int32:
        if (!Take(4, raw)) return std::nullopt;
        return static_cast<int32_t>(static_cast<uint32_t>(LittleEndian(raw)));
    default: return std::nullopt;
    }
}

std::optional<int32_t> TaggedReader::ReadInteger()
{
    std::string_view tag;
    const size_t at = position_;
    if (!Take(1, tag)) return std::nullopt;
    const uint8_t value = static_cast<uint8_t>(tag[0]);
    if (value < 2 || value > 4) {
        WrongTag(value, at);
        return std::nullopt;
    }
    return IntegerOfTag(value);
}

std::optional<std::string> TaggedReader::ReadString()
{
    std::string_view length, text;
    if (!Take(1, length)) return std::nullopt;
    if (!Take(static_cast<uint8_t>(length[0]), text)) return std::nullopt;
    return std::string(text);
}

std::optional<long double> TaggedReader::ReadReal()
{
    std::string_view tag, raw;
    const size_t at = position_;
    if (!Take(1, tag)) return std::nullopt;
    const uint8_t value = static_cast<uint8_t>(tag[0]);
    if (value >= 2 && value <= 4) {
        auto integer = IntegerOfTag(value);
        if (!integer) return std::nullopt;
        return static_cast<long double>(*integer);
    }
    if (value == static_cast<uint8_t>(ValueTag::Extended)) {
        if (!Take(10, raw)) return std::nullopt;
        ExtendedBytes bytes;
        std::memcpy(bytes.data(), raw.data(), bytes.size());
        return DecodeExtended(bytes);
    }
    if (value == static_cast<uint8_t>(ValueTag::Double)) {
        if (!Take(8, raw)) return std::nullopt;
        const uint64_t bits = LittleEndian(raw);
        double number;
        std::memcpy(&number, &bits, sizeof number);  // IEEE binary64, as every supported platform keeps it
        return number;
    }
    WrongTag(value, at);
    return std::nullopt;
}

}  // namespace morvik
