#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "histogram/HistogramFile.h"
#include "shell/DataFolder.h"
#include "statlib/NumberParse.h"
#include "support/TempFolder.h"

using namespace morvik;
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> ShippedFiles(const std::string& extension)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(ExamplesFolder(SourceDataFolder()))) {
        if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path());
    }
    return files;
}

}  // namespace

TEST(ExampleHistograms, AreReadBackWithoutAMessageAndAddUpExactly)
{
    std::set<HistogramKind> kinds;
    std::set<std::string> categories;
    const auto files = ShippedFiles(".dis");
    ASSERT_GE(files.size(), 6u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const HistogramRead read = ReadHistogramFile(file.string(), HistogramKind::Discrete);
        ASSERT_FALSE(read.message) << read.message->text;
        EXPECT_EQ(read.dataLines, read.histogram.Bins);
        EXPECT_NEAR(read.histogram.ProbabilitySum(), 1.0, 1e-12);
        // The table reader wants the frequencies to add up to Total exactly.
        EXPECT_FALSE(ReadComponentFile(file.string(), HistogramKind::Discrete).message);
        kinds.insert(read.kind);
        categories.insert(file.parent_path().filename().string());

        // The file is in the program's own layout: CR LF line ends and the writer's header lines.
        const std::string text = test::ReadText(file.string());
        EXPECT_EQ(text.rfind("[Description]\r\nIdentification=" + file.filename().string() + "\r\nType=", 0), 0u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        bool bareLineFeed = false;
        for (size_t i = 0; i < text.size(); ++i) bareLineFeed |= text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        EXPECT_FALSE(bareLineFeed);
    }
    EXPECT_EQ(kinds.size(), 2u) << "both Discrete and Pure Discrete examples";
    for (const std::string& category : categories) {
        EXPECT_FALSE(IsOutsideCategoryFolders("/r/" + category + "/x.dis", "/r")) << category;
    }
}

TEST(ExampleRawData, HoldOneNumberPerLine)
{
    const auto files = ShippedFiles(".txt");
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        EXPECT_EQ(file.parent_path().filename(), "Raw data");
        const std::string text = test::ReadText(file.string());
        int values = 0;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            EXPECT_TRUE(ParseDouble(text.substr(start, end - start))) << text.substr(start, end - start);
            ++values;
            start = end + 2;
        }
        EXPECT_GE(values, 3);
    }
}
