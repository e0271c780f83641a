#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "combination/TableFile.h"
#include "combination/TaggedStream.h"

using namespace morvik;

namespace {

// A small well-formed table: 3 columns, 2 rows, one record.
TableFileData SmallTable()
{
    TableFileData data;
    data.columns = 3;
    data.rows = 2;
    data.cells = {{"", "A", "Histogram"}, {"  1", "2.5", "Loads.dis"}};
    data.records = {morvik::testing::MakeRow(0.5, 1, {0.25, 0.75}, 4)};
    data.completeRecords = 1;
    data.filledRows = 1;
    return data;
}

}  // namespace

TEST(TaggedStream, WritesTheShortestIntegerAndLengthPrefixedStrings)
{
    TaggedWriter writer;
    writer.WriteInteger(8);
    writer.WriteInteger(-300);
    writer.WriteInteger(70000);
    writer.WriteString("ab");
    EXPECT_EQ(writer.Bytes(), std::string("\x02\x08\x03\xD4\xFE\x04\x70\x11\x01\x00\x02"
                                          "ab",
                                          13));

    TaggedReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadInteger(), 8);
    EXPECT_EQ(reader.ReadInteger(), -300);
    EXPECT_EQ(reader.ReadInteger(), 70000);
    EXPECT_EQ(reader.ReadString(), "ab");
    EXPECT_FALSE(reader.Failed());
}

TEST(TaggedStream, CutsLongStringsBetweenCharacters)
{
    std::string text(254, 'x');
    text += "\xC3\xA1\xC3\xA1";  // "áá": the first one would straddle byte 255
    TaggedWriter writer;
    writer.WriteString(text);
    EXPECT_EQ(static_cast<uint8_t>(writer.Bytes()[0]), 254);
    EXPECT_EQ(writer.Bytes().substr(1), std::string(254, 'x'));
}

TEST(TaggedStream, ReadsRealsGivenAsDoublesOrIntegers)
{
    std::string bytes;
    bytes += '\x15';  // tag 21: an 8-byte double
    const double value = -0.125;
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>(bits >> (8 * i));
    bytes += std::string("\x03\x00\x04", 3);  // 1024 as a 2-byte integer
    TaggedReader reader(bytes);
    EXPECT_EQ(reader.ReadReal(), -0.125L);
    EXPECT_EQ(reader.ReadReal(), 1024.0L);
    EXPECT_FALSE(reader.Failed());
}

TEST(TableFile, RoundTripsItsContents)
{
    const TableFileData data = SmallTable();
    const TableFileRead read = ParseTableFile(TableFileBytes(data), 1, "t.kom");
    ASSERT_TRUE(read.ok()) << read.message->text;
    EXPECT_EQ(read.data.columns, 3);
    EXPECT_EQ(read.data.rows, 2);
    EXPECT_EQ(read.data.cells, data.cells);
    EXPECT_EQ(read.data.records, data.records);
    EXPECT_EQ(read.data.completeRecords, 1);
    EXPECT_EQ(read.data.filledRows, 1);
}

TEST(TableFile, ReportsDamageWithoutCrashing)
{
    const std::string good = TableFileBytes(SmallTable());
    struct Case {
        const char* what;
        std::string bytes;
        const char* expected;
    };
    const size_t firstReal = good.size() - 2 - 11 * (7 + 1024);  // before: the counts and the cells
    std::string wrongTag = good;
    wrongTag[firstReal] = '\x07';
    std::string hugeGrid = std::string("\x04\xFF\xFF\xFF\x7F\x02\x0B", 7);
    const Case cases[] = {
        {"empty", "", "ends too early"},
        {"wrong tag of a count", std::string("\x05", 1) + good.substr(1), "unexpected value type 5"},
        {"wrong tag of a real", wrongTag, "unexpected value type 7"},
        {"huge grid", hugeGrid, "not possible"},
        {"negative rows", std::string("\x02\x03\x02\xFE", 4), "not possible"},
        {"grid larger than the file", std::string("\x02\x40\x03\x00\x04", 5) + std::string(100, '\0'), "not possible"},
    };
    for (const Case& c : cases) {
        const TableFileRead read = ParseTableFile(c.bytes, 1, "t.kom");
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_NE(read.message->text.find("t.kom"), std::string::npos) << c.what;
        EXPECT_NE(read.message->text.find(c.expected), std::string::npos) << c.what << ": " << read.message->text;
    }
}

TEST(TableFile, KeepsWhatWasReadBeforeAPrematureEnd)
{
    const std::string good = TableFileBytes(SmallTable());
    // Every cut through the counts and cells, then cuts through the reals at changing offsets within a value.
    for (size_t length = 0; length < good.size(); length += length < 100 || length + 30 > good.size() ? 1 : 97) {
        const TableFileRead read = ParseTableFile(good.substr(0, length), 1, "t.kom");
        ASSERT_FALSE(read.ok()) << length;
        EXPECT_EQ(read.data.completeRecords, length >= good.size() - 2 ? 1 : 0) << length;
    }
    const TableFileRead cut = ParseTableFile(good.substr(0, 12), 1, "t.kom");
    ASSERT_EQ(cut.data.cells.size(), 2u);
    EXPECT_EQ(cut.data.cells[0][1], "A");  // read before the end
    EXPECT_EQ(cut.data.cells[1][2], "");
}

TEST(TableFile, TranslatesTheOldFolderNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Histogramy\\Zatížení", "Histograms/Loads"},
        {"Histogramy/Vypočtené", "Histograms/Calculated"},
        {"Histogramy\\Normální rozdělení", "Histograms/Normal distributions"},
        {"Histogramy\\Pevnostní charakteristiky", "Histograms/Solidity and material characterics"},
        {"Histograms\\Tests", "Histograms/Tests"},
        {"Histogramy\\Zatížení\\Staré", "Histogramy\\Zatížení\\Staré"},
        {"C:\\data", "C:\\data"},
        {"", ""},
    };
    for (const auto& [old, expected] : cases) EXPECT_EQ(TranslateFolderColumn(old), expected) << old;
}

TEST(TableFile, ReadsAMissingFileAsAMessage)
{
    const TableFileRead read = ReadTableFile("/nonexistent/morvik/t.kom", 10);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.message->text.find("/nonexistent/morvik/t.kom"), std::string::npos);
}
