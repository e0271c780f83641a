// Every writer is made to fail on purpose: the disk fills up in the middle of the write, the target's folder is
// a file, or the target is a folder. Each shows its message, leaves the file that was there byte for byte as it
// was, and leaves no temporary file behind.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "combination/CombinationTable.h"
#include "editor/HistogramWorkbook.h"
#include "histogram/HistogramFile.h"
#include "histogram/MainModel.h"
#include "localization/TextCis.h"
#include "rawdata/TypedRawData.h"
#include "shell/SettingsFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

namespace morvik {
namespace {

using test::TempFolder;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
std::string ReadText(const std::string& path) { return TempFolder::Read(path); }

using Writer = std::function<std::optional<Message>(const std::string& path)>;

struct WriterCase {
    const char* what;
    const char* fileName;
    Writer write;
    std::function<std::string(const std::string& path)> message;  // the message the writer must give
};

std::string Fixture(const std::string& name) { return std::string(MORVIK_FIXTURES) + "/" + name; }

std::vector<WriterCase> Writers()
{
    const auto writeError = [](const std::string& path) { return FormatText(22, FileNameOf(path)); };
    return {
        {"histogram file", "result.dis",
         [](const std::string& path) {
             const Histogram h = test::MakeHistogram(0, 0.5, std::vector<double>(40, 1.0 / 40), 4000);
             return WriteHistogramFile(path, h, HistogramKind::Discrete);
         },
         writeError},
        {"results report", "result.txt",
         [](const std::string& path) -> std::optional<Message> {
             MainModel model;
             if (auto refused = model.OpenHistogramFile(Fixture("dice.dis"))) return Message::Error("no fixture");
             return model.SaveResults(path, "10.12.2026", "12:00", "1.0");
         },
         writeError},
        {"table file", "table.kom",
         [](const std::string& path) -> std::optional<Message> {
             CombinationTable table;
             if (table.LoadRowFile(1, Fixture("dice.dis"))) return Message::Error("no fixture");
             return table.SaveTable(path);
         },
         [](const std::string& path) { return "Cannot create file " + path + ". "; }},
        {"typed raw data", "Raw_Data.txt",
         [](const std::string& path) {
             std::vector<std::string> lines;
             for (int i = 0; i < 40; ++i) lines.push_back(std::to_string(i) + ",25");
             return SaveTypedData(lines, path);
         },
         writeError},
        {"workbook", "dice.xlsx",
         [](const std::string& path) {
             const Histogram h = test::MakeHistogram(1, 1, std::vector<double>(6, 1.0 / 6), 600);
             return WriteHistogramWorkbook(path, h, HistogramKind::Discrete, "dice.dis");
         },
         writeError},
        {"settings file", "Morvik.INI",
         [](const std::string& path) {
             SettingsFile settings = SettingsFile::Load(path);
             settings.WriteString("--  ReOpen histogram  --", "Soubor1", std::string(300, 'x'));
             return settings.Save();
         },
         [](const std::string& path) { return FormatText(22, path); }},
    };
}

// The writer's message under a file size limit of `limit` bytes, or nullopt when it reported success.
std::optional<std::string> WriteWithFileSizeLimit(rlim_t limit, const Writer& write, const std::string& path)
{
    return test::WriteWithFileSizeLimit(limit, [&]() -> std::optional<std::string> {
        const std::optional<Message> message = write(path);
        if (message) return message->text;
        return std::nullopt;
    });
}

std::vector<std::string> FolderContents(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

const std::string OldContent = "[--  Position  --]\r\nProb_u-Form1.left=12\r\n";

TEST(WriterFaults, ADiskThatFillsUpInTheMiddleLeavesTheOldFile)
{
    SetLanguage(Language::English);
    for (const WriterCase& c : Writers()) {
        TempFolder temp;
        const std::string path = temp.path() + "/" + c.fileName;
        // Without the limit the writer succeeds and writes more than the limit lets through.
        ASSERT_FALSE(c.write(path)) << c.what;
        ASSERT_GT(std::filesystem::file_size(path), 64u) << c.what;
        WriteText(path, OldContent);

        const std::optional<std::string> message = WriteWithFileSizeLimit(64, c.write, path);
        ASSERT_TRUE(message) << c.what << " reported success";
        EXPECT_TRUE(message->starts_with(c.message(path))) << c.what << ": " << *message;
        EXPECT_EQ(ReadText(path), OldContent) << c.what;
        EXPECT_EQ(FolderContents(temp.path()), std::vector<std::string>{c.fileName}) << c.what;
    }
}

TEST(WriterFaults, AFolderThatIsAFileOrATargetThatIsAFolderIsRefused)
{
    SetLanguage(Language::English);
    for (const WriterCase& c : Writers()) {
        TempFolder temp;
        // The folder of the target is a file.
        WriteText(temp.path() + "/folder", OldContent);
        const std::string inFile = temp.path() + "/folder/" + c.fileName;
        const std::optional<Message> first = c.write(inFile);
        ASSERT_TRUE(first) << c.what;
        EXPECT_TRUE(first->text.starts_with(c.message(inFile))) << c.what << ": " << first->text;
        EXPECT_EQ(ReadText(temp.path() + "/folder"), OldContent) << c.what;

        // The target is a folder: the complete new file cannot take its place.
        const std::string folder = temp.path() + "/" + c.fileName;
        std::filesystem::create_directory(folder);
        const std::optional<Message> second = c.write(folder);
        ASSERT_TRUE(second) << c.what;
        EXPECT_TRUE(second->text.starts_with(c.message(folder))) << c.what << ": " << second->text;
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << c.what;
        std::vector<std::string> names = FolderContents(temp.path());
        std::sort(names.begin(), names.end());
        std::vector<std::string> expected = {"folder", c.fileName};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << c.what;
    }
}

}  // namespace
}  // namespace morvik
