// Files no user means to open as a histogram, table or settings file: huge ones, binary ones, folders, dangling
// links, endless lines, NUL bytes. Each is refused with its format's message (the settings file reads as
// defaults), and a file larger than the format's cap is refused from its size, before it is read.
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "combination/TableFile.h"
#include "common/AtomicFile.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "shell/MainWindowSettings.h"
#include "shell/SettingsFile.h"
#include "support/TempFolder.h"

namespace morvik {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

// A file of `size` bytes that takes no room on the disk (it is read as zero bytes).
void MakeSparseFile(const std::string& path, std::uintmax_t size)
{
    WriteText(path, "");
    std::filesystem::resize_file(path, size);
}

std::string BinaryBytes(size_t count)
{
    std::mt19937 random(14);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// The ways a file can be hostile; each makes `path` (in a fresh folder) into such a thing.
struct Hostile {
    const char* what;
    std::function<void(const std::string& path)> make;
    bool tooLarge;  // beyond every format's cap
};

std::vector<Hostile> HostileFiles()
{
    return {
        {"a file of 1 GB", [](const std::string& path) { MakeSparseFile(path, 1ull << 30); }, true},
        {"a line of 10 MB", [](const std::string& path) { WriteText(path, "Min=" + std::string(10u << 20, '7')); },
         true},
        {"a binary file", [](const std::string& path) { WriteText(path, BinaryBytes(64 << 10)); }, false},
        {"NUL bytes", [](const std::string& path) { WriteText(path, std::string(4096, '\0')); }, false},
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }, false},
        {"a dangling link", [](const std::string& path) { std::filesystem::create_symlink(path + ".missing", path); },
         false},
    };
}

// Makes each hostile thing as `name` in a fresh folder and hands it to `check`.
void ForEachHostile(const std::string& name, const std::function<void(const Hostile&, const std::string&)>& check)
{
    for (const Hostile& h : HostileFiles()) {
        TempFolder temp;
        const std::string path = temp / name;
        h.make(path);
        check(h, path);
    }
}

TEST(HostileInput, ReadFileUpToRefusesWhatIsTooLargeOrNoFile)
{
    TempFolder temp;
    std::string content = "kept";
    MakeSparseFile(temp / "big", 1001);
    EXPECT_EQ(ReadFileUpTo(temp / "big", 1000, content), CappedRead::TooLarge);
    EXPECT_EQ(content, "kept");
    WriteText(temp / "exact", std::string(1000, 'x'));
    EXPECT_EQ(ReadFileUpTo(temp / "exact", 1000, content), CappedRead::Ok);
    EXPECT_EQ(content, std::string(1000, 'x'));
    EXPECT_EQ(ReadFileUpTo(temp.path(), 1000, content), CappedRead::Unreadable);
    EXPECT_EQ(ReadFileUpTo(temp / "missing", 1000, content), CappedRead::Unreadable);
    ASSERT_EQ(mkfifo((temp / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileUpTo(temp / "fifo", 1000, content), CappedRead::Unreadable);  // and does not wait
}

TEST(HostileInput, TheHistogramReadersRefuseWithTheirMessages)
{
    SetLanguage(Language::English);
    ForEachHostile("hostile.dis", [](const Hostile& h, const std::string& path) {
        for (const HistogramRead& read :
             {ReadHistogramFile(path, HistogramKind::Discrete), ReadComponentFile(path, HistogramKind::Discrete)}) {
            ASSERT_FALSE(read.ok()) << h.what;
            const std::string& text = read.message->text;
            if (h.tooLarge) {
                EXPECT_EQ(text,
                          "The histogram file hostile.dis cannot be read: it is larger than 1 MB, far more "
                          "than a histogram of 1024 intervals takes.")
                    << h.what;
            } else if (std::filesystem::is_regular_file(path)) {
                EXPECT_FALSE(text.empty()) << h.what;
            } else {
                EXPECT_EQ(text, FormatText(9, path)) << h.what;
            }
        }
    });
}

TEST(HostileInput, TheTableReaderRefusesWithItsMessages)
{
    ForEachHostile("hostile.kom", [](const Hostile& h, const std::string& path) {
        const TableFileRead read = ReadTableFile(path, 10);
        ASSERT_FALSE(read.ok()) << h.what;
        const std::string& text = read.message->text;
        if (h.tooLarge) {
            EXPECT_EQ(text,
                      "The table file hostile.kom cannot be read: the file is larger than 4 MB, far more than "
                      "any table takes.")
                << h.what;
        } else if (std::filesystem::is_regular_file(path)) {
            EXPECT_TRUE(text.starts_with("The table file hostile.kom cannot be read: ")) << h.what << ": " << text;
        } else {
            EXPECT_TRUE(text.starts_with("Cannot open file " + path + ". ")) << h.what << ": " << text;
        }
    });
}

TEST(HostileInput, TheSettingsFileReadsAsDefaultsAndAnUnreadableOneIsKept)
{
    SetLanguage(Language::English);
    ForEachHostile("Morvik.INI", [](const Hostile& h, const std::string& path) {
        // Kept as it was: the content of a small file, the size of a huge one (not read by the test either).
        const bool small = std::filesystem::is_regular_file(path) && std::filesystem::file_size(path) < (1u << 20);
        const std::string before = small ? ReadText(path) : std::string();
        std::error_code noSize;
        const auto sizeBefore = std::filesystem::file_size(path, noSize);
        const auto typeBefore = std::filesystem::symlink_status(path).type();
        SettingsFile settings = SettingsFile::Load(path);
        EXPECT_EQ(ReadMainWindowSettings(settings), MainWindowSettings{}) << h.what;
        settings.WriteInteger(PositionSection, "Prob_u-Form1.left", 5);
        const std::optional<Message> saved = settings.Save();
        if (h.tooLarge || !std::filesystem::is_regular_file(path)) {
            // Not read, so not replaced: the program starts with defaults and says so when it saves.
            EXPECT_TRUE(settings.Unreadable()) << h.what;
            ASSERT_TRUE(saved) << h.what;
            EXPECT_EQ(saved->text, FormatText(22, path)) << h.what;
            if (small) { EXPECT_EQ(ReadText(path), before) << h.what; }
            EXPECT_EQ(std::filesystem::file_size(path, noSize), sizeBefore) << h.what;
            EXPECT_EQ(std::filesystem::symlink_status(path).type(), typeBefore) << h.what;
        } else {
            // Read, if as nothing: saving writes a sound file.
            EXPECT_FALSE(saved) << h.what;
            EXPECT_EQ(SettingsFile::Load(path).ReadInteger(PositionSection, "Prob_u-Form1.left", 0), 5) << h.what;
        }
    });
}

TEST(HostileInput, ASettingsFileWithEveryKeyDamagedGivesTheDefaults)
{
    // Every key the main window writes, each with a value of the wrong kind.
    SettingsFile written;
    MainWindowSettings changed;
    changed.placement = {1, 2, 3, 4};
    WriteMainWindowSettings(written, changed);
    std::string damaged;
    std::istringstream lines(written.Text());
    for (std::string line; std::getline(lines, line);) {
        if (const size_t equals = line.find('='); equals != std::string::npos && !line.starts_with('[')) {
            line = line.substr(0, equals + 1) + "\x01z\xff" + "9e999";
        }
        damaged += line + "\n";
    }
    ASSERT_NE(damaged.find("Prob_u-Form1.left=\x01"), std::string::npos);

    TempFolder temp;
    const std::string path = temp / "Morvik.INI";
    WriteText(path, damaged);
    SettingsFile settings = SettingsFile::Load(path);
    EXPECT_FALSE(settings.Unreadable());
    EXPECT_EQ(ReadMainWindowSettings(settings), MainWindowSettings{});
    // What the program writes back at its end reads back whole.
    WriteMainWindowSettings(settings, MainWindowSettings{});
    ASSERT_FALSE(settings.Save());
    EXPECT_EQ(ReadMainWindowSettings(SettingsFile::Load(path)), MainWindowSettings{});
}

}  // namespace
}  // namespace morvik
