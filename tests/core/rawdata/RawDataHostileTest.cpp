// Raw data files no measurement gives: endless lines, binary junk, NUL bytes, numbers of thousands of digits,
// files of nothing but separators, and far more values than allowed with a huge tail behind them. The file
// reader takes them line by line: it refuses each with the message the text itself would get, stops at the first
// line it refuses, and holds no more than one bounded line besides the values.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "localization/TextCis.h"
#include "rawdata/RawDataFile.h"
#include "support/TempFolder.h"

namespace morvik {
namespace {

using test::TempFolder;
using test::WriteText;

std::string Refusal118(long line, const std::string& shown)
{
    return TextCis(118) + "\r\n\r\n\tLine " + std::to_string(line) + " : " + shown;
}

// How message 118 shows a line far longer than any number: its first 200 bytes and " ...".
std::string CutShown(const std::string& line) { return line.substr(0, 200) + " ..."; }

std::string Repeat(const std::string& piece, size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(RawDataHostile, TheFileAndItsTextGetTheSameAnswer)
{
    SetLanguage(Language::English);
    const size_t longest = MaxRawLineBytes;
    const std::string nines(10000, '9');
    const std::string blanks10MB(10u << 20, ' ');
    const std::string junk = [] {
        std::string bytes = "x\x01\xff\n";
        for (int i = 0; i < 70000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 251);
        return bytes;
    }();
    struct Case {
        const char* what;
        std::string content;
        std::string message;  // empty: accepted
        std::vector<double> values = {};
    };
    const std::vector<Case> cases = {
        {"a number of 10,000 digits", "1\n2\n" + nines + "\n", Refusal118(3, CutShown(nines))},
        {"10,000 digits that make a double",
         "1\n" + std::string(9998, '0') + "15\n0." + std::string(9990, '5') + "\n2\n",
         "",
         {5.0 / 9, 1, 2, 15}},
        {"an endless line of digits", std::string(10u << 20, '7'), Refusal118(1, CutShown(std::string(200, '7')))},
        {"an endless line of blanks before values", blanks10MB + "\r\n1\n2\n3\n", "", {1, 2, 3}},
        {"an endless line of blanks ending in a number", "1\n" + blanks10MB + "5\n",
         Refusal118(2, std::string(200, ' ') + " ...")},
        {"the longest line a number may take, its CR not counted",
         std::string(longest - 1, ' ') + "7\r\n8\n9\n",
         "",
         {7, 8, 9}},
        {"one blank more than the longest line", std::string(longest, ' ') + "7\r\n8\n9\n",
         Refusal118(1, std::string(200, ' ') + " ...")},
        {"NUL bytes", std::string(4096, '\0'), Refusal118(1, CutShown(std::string(4096, '\0')))},
        {"a NUL byte behind a number", std::string("1\n2\0\n3\n", 7), Refusal118(2, std::string("2\0", 2))},
        {"binary junk", junk, Refusal118(1, "x\x01\xff")},
        {"a long line of letters beyond ASCII, cut between letters", "a" + Repeat("\u00e9", 300) + "\n",
         Refusal118(1, "a" + Repeat("\u00e9", 99) + " ...")},
        {"only separators", Repeat("\n \t\r\n\n", 300000), TextCis(213) + " !"},
        {"only commas", ",\n,,\n", Refusal118(1, ",")},
        {"old Mac line ends", "1\r2\r3\r", Refusal118(1, "1\r2\r3")},
        {"a value too many, behind it 10 MB of anything", Repeat("1\n", 500001) + std::string(10u << 20, 'x'),
         TextCis(113) + "500000 !"},
    };
    for (const Case& c : cases) {
        TempFolder temp;
        const std::string path = temp / "Raw_Data.txt";
        WriteText(path, c.content);
        const RawDataRead fromText = ParseRawData(c.content);
        const RawDataRead fromFile = ReadRawDataFile(path);
        ASSERT_EQ(fromFile.ok(), fromText.ok()) << c.what;
        if (fromFile.ok()) {
            EXPECT_EQ(fromFile.data.values, fromText.data.values) << c.what;
            ASSERT_TRUE(c.message.empty()) << c.what << ": accepted";
            EXPECT_EQ(fromFile.data.values, c.values) << c.what;
            continue;
        }
        EXPECT_EQ(fromFile.message->text, fromText.message->text) << c.what;
        EXPECT_EQ(fromFile.message->text, c.message) << c.what;
    }
}

TEST(RawDataHostile, ManyValuesAcrossTheReadingBlocksReadAsTheirText)
{
    // Lines of unequal length, so that the blocks the file is read in end inside lines of every length.
    std::string text;
    std::vector<double> values;
    for (int i = 0; i < 120000; ++i) {
        const double x = (i % 97) * 1.25 - (i % 13) * 1000.5;
        values.push_back(x);
        text += std::string(static_cast<size_t>(i % 5), ' ') + std::to_string(x) + (i % 3 ? "\n" : "\r\n");
    }
    TempFolder temp;
    WriteText(temp / "many.txt", text);
    const RawDataRead read = ReadRawDataFile(temp / "many.txt");
    ASSERT_TRUE(read.ok());
    std::sort(values.begin(), values.end());
    EXPECT_EQ(read.data.values, values);
    EXPECT_EQ(read.data.mean, ParseRawData(text).data.mean);
}

TEST(RawDataHostile, NoFileToReadGivesMessage112)
{
    SetLanguage(Language::English);
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> makers = {
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
        {"a dangling link", [](const std::string& path) { std::filesystem::create_symlink(path + ".gone", path); }},
        {"a FIFO without a writer", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
    };
    for (const auto& [what, make] : makers) {
        TempFolder temp;
        const std::string path = temp / "Raw_Data.txt";
        make(path);
        const RawDataRead read = ReadRawDataFile(path);  // and does not wait
        ASSERT_FALSE(read.ok()) << what;
        EXPECT_EQ(read.message->text, FormatText(112, path)) << what;
    }
}

TEST(RawDataHostile, AHugeFileIsRefusedWithoutBeingReadToItsEnd)
{
    // A gigabyte of zero bytes is one endless line; 500,001 values and a gigabyte behind them end at the value
    // too many. Neither is read further than that (the files take no room on the disk).
    SetLanguage(Language::English);
    struct Case {
        const char* what;
        std::string start;
        std::string message;
    };
    const Case cases[] = {
        {"a gigabyte of zero bytes", "", Refusal118(1, CutShown(std::string(200, '\0')))},
        {"a value too many and a gigabyte", Repeat("1\n", 500001), TextCis(113) + "500000 !"},
    };
    for (const Case& c : cases) {
        TempFolder temp;
        const std::string path = temp / "huge.txt";
        WriteText(path, c.start);
        std::filesystem::resize_file(path, 1ull << 30);
        const RawDataRead read = ReadRawDataFile(path);
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_EQ(read.message->text, c.message) << c.what;
    }
}

}  // namespace
}  // namespace morvik
