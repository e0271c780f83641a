#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "support/TestFiles.h"

using namespace morvik;
using morvik::test::DisText;
using morvik::test::TempFolder;

namespace {

HistogramRead Parse(const std::string& text, ReaderMode mode = ReaderMode::Main,
                    HistogramKind current = HistogramKind::PureDiscrete)
{
    return ParseHistogramText(text, mode, current);
}

std::string Refusal(const std::string& text, ReaderMode mode = ReaderMode::Main)
{
    HistogramRead read = Parse(text, mode);
    return read.message ? read.message->text : std::string("accepted");
}

}  // namespace

TEST(HistogramFile, DiscreteFileKeepsOuterEdgesAndMemoryKeepsMidpoints)
{
    HistogramRead read = Parse(DisText("Discrete", "0", "10", 10, 10, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    ASSERT_TRUE(read.ok()) << read.message->text;
    EXPECT_EQ(read.kind, HistogramKind::Discrete);
    EXPECT_DOUBLE_EQ(read.histogram.Min, 0.5);
    EXPECT_DOUBLE_EQ(read.histogram.Max, 9.5);
    EXPECT_DOUBLE_EQ(read.histogram.Width, 1);
    EXPECT_DOUBLE_EQ(read.histogram.Range, 10);
    EXPECT_DOUBLE_EQ(read.histogram.Prob[3], 0.1);
    EXPECT_EQ(read.frequencySum, 10);

    HistogramRead pure = Parse(DisText("Pure Discrete", "1", "6", 6, 6, {1, 1, 1, 1, 1, 1}));
    ASSERT_TRUE(pure.ok());
    EXPECT_EQ(pure.kind, HistogramKind::PureDiscrete);
    EXPECT_DOUBLE_EQ(pure.histogram.Width, 1);
    EXPECT_DOUBLE_EQ(pure.histogram.ValueAt(5), 6);
}

TEST(HistogramFile, KindComesFromTheTypeLineOrStaysAsItWas)
{
    EXPECT_EQ(Parse(DisText("", "0", "4", 4, 4, {1, 1, 1, 1}), ReaderMode::Main, HistogramKind::Discrete).kind,
              HistogramKind::Discrete);
    EXPECT_EQ(Parse(DisText("", "0", "3", 4, 4, {1, 1, 1, 1})).kind, HistogramKind::PureDiscrete);
    EXPECT_EQ(Parse(DisText("Pure", "0", "3", 4, 4, {1, 1, 1, 1}), ReaderMode::Main, HistogramKind::Discrete).kind,
              HistogramKind::PureDiscrete);
    // A component read always leaves a Discrete histogram.
    EXPECT_EQ(Parse(DisText("Pure Discrete", "0", "3", 4, 4, {1, 1, 1, 1}), ReaderMode::Component).kind,
              HistogramKind::Discrete);
}

TEST(HistogramFile, RefusesBrokenFilesWithTheirMessages)
{
    SetLanguage(Language::English);
    const std::string ok = DisText("Discrete", "0", "10", 3, 6, {1, 2, 3});
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string text = ok;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {replace("Min=0", "Min=abc"), TextCis(35) + "abc"},
        {replace("Max=10", "Max=1,5"), TextCis(36) + "1,5"},
        {replace("Type=Discrete", "Type=discrete"), FormatText(11, "discrete")},
        {replace("Bins=3", "Bins=x3"), TextCis(37) + "x3"},
        {replace("Bins=3", "Bins=1025"), FormatText(12, "1024") + "1025"},
        {replace("Total=6", "Total=six"), TextCis(38) + "six"},
        {replace("[Bins]\r\n1\r\n2\r\n3\r\n", "[Bins]\r\n"), TextCis(13)},
        {replace("[Bins]", "[Bin]"), TextCis(13)},
        {replace("Total=6\r\n", ""), TextCis(14)},
        {replace("Min=0\r\n", "Min=0\r\nMin=0\r\n"), TextCis(14)},
        {replace("\r\n2\r\n", "\r\n2.0\r\n"), FormatText(15, "2") + "2.0"},
        {replace("\r\n2\r\n", "\r\n-2\r\n"), FormatText(16, "2")},
        {replace("Total=6", "Total=7"), FormatText(17, "6") + "7"},
        {replace("[Bins]\r\n1\r\n2\r\n3", "[Bins]\r\n1\r\n2\r\n0\r\n3"), FormatText(18, "3") + "4"},
        {replace("Min=0", "Min=12"), FormatText(19, "11.666666666666666") + "10.333333333333334"},
        {DisText("Discrete", "-1", "1", 1, 5, {5}), "Min=0 a Max=0"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(Refusal(text), message) << text;
    // The component reader names the limit in its own message and wants the exact Total.
    EXPECT_EQ(Refusal(replace("Bins=3", "Bins=2000"), ReaderMode::Component), FormatText(32, "1024") + "2000");
}

TEST(HistogramFile, TotalToleranceDiffersBetweenTheReaders)
{
    const std::string text = DisText("Discrete", "0", "2", 2, 1000000, {500000, 500005});
    EXPECT_EQ(Refusal(text), "accepted");
    EXPECT_EQ(Refusal(text, ReaderMode::Component), FormatText(17, "1000005") + "1000000");
}

TEST(HistogramFile, KeywordsCountOnlyAtTheStartOfTheirLine)
{
    // Histogram names holding the keywords are read back; keywords still come in any order and section.
    for (const char* name : {"MaxLoad.dis", "MinTypeTotal.dis", "Bins=3.dis", "Total wind.dis"}) {
        HistogramRead read = Parse(DisText("Discrete", "0", "3", 3, 3, {1, 1, 1}, name));
        EXPECT_TRUE(read.ok()) << name << ": " << (read.message ? read.message->text : "");
    }
    const std::string reordered =
        "[Bins-free header]\r\nTotal = 2\r\nBins=2\r\n[Other]\r\nMax=4\r\nType=Pure Discrete\r\nMin=2\r\n[Bins]\r\n"
        "\r\n1\r\n\r\n1\r\n";
    HistogramRead read = Parse(reordered);
    ASSERT_TRUE(read.ok()) << read.message->text;
    EXPECT_DOUBLE_EQ(read.histogram.Width, 2);
}

TEST(HistogramFile, RefusesTotalsAndBinsThatWouldDivideByZero)
{
    SetLanguage(Language::English);
    EXPECT_EQ(Refusal(DisText("Discrete", "0", "2", 2, 0, {0, 0})), TextCis(38) + "0");
    std::string fractional = DisText("Discrete", "0", "2", 2, 2, {1, 1});
    fractional.replace(fractional.find("Total=2"), 7, "Total=2.5");
    EXPECT_EQ(Refusal(fractional), TextCis(38) + "2.5");
    EXPECT_EQ(Refusal(DisText("Discrete", "0", "2", 0, 2, {})), TextCis(37) + "0");
    EXPECT_EQ(Refusal(DisText("Discrete", "0", "2", -3, 2, {})), TextCis(37) + "-3");
    // A single Pure Discrete value has Width 0; it must name one value.
    HistogramRead single = Parse(DisText("Pure Discrete", "4", "4", 1, 7, {7}));
    ASSERT_TRUE(single.ok()) << single.message->text;
    EXPECT_EQ(single.histogram.Width, 0);
    EXPECT_EQ(Refusal(DisText("Pure Discrete", "4", "5", 1, 7, {7})), TextCis(37) + "1");
}

TEST(HistogramFile, WriterRoundTripsWhatTheReaderRead)
{
    const std::string original = DisText("Discrete", "-2.5", "7.5", 4, 20, {2, 0, 15, 3}, "round.dis");
    HistogramRead read = Parse(original);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(HistogramFileText("round.dis", read.histogram, read.kind),
              DisText("Discrete", "-2.50000", "7.50000", 4, 20, {2, 0, 15, 3}, "round.dis"));
}

TEST(HistogramFile, WriterRoundsHalvesToEvenAndShrinksHugeTotals)
{
    Histogram h;
    h.Bins = 4;
    h.Min = 1;
    h.Max = 4;
    h.Width = 1;
    h.Total = 4;
    h.Prob = {0.125, 0.375, 0.375, 0.125};  // frequencies 0.5, 1.5, 1.5, 0.5 -> 0, 2, 2, 0
    EXPECT_NE(HistogramFileText("h.dis", h, HistogramKind::PureDiscrete)
                  .find("Total=4\r\n\r\n[Bins]\r\n0\r\n2\r\n2\r\n0\r\n"),
              std::string::npos);

    h.Total = 1e19;  // times the probabilities above 2^63 - 1: written with Total / 10
    h.Prob = {0.25, 0.25, 0.25, 0.25};
    const std::string text = HistogramFileText("h.dis", h, HistogramKind::PureDiscrete);
    EXPECT_NE(text.find("Total=1000000000000000000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n250000000000000000\r\n"), std::string::npos);
}

TEST(HistogramFile, FailedSaveLeavesTheExistingFileWhole)
{
    TempFolder folder;
    Histogram h;
    h.Bins = 1;
    h.Min = h.Max = 3;
    h.Total = 1;
    h.Prob[0] = 1;

    // A failure after the new content was written (here: the target cannot be replaced) still reports
    // message 22, keeps what was there and leaves no temporary file behind.
    const std::string blocked = folder.Write("blocked.dis/inside", "old content");
    const std::string target = folder.path() + "/blocked.dis";
    auto failure = WriteHistogramFile(target, h, HistogramKind::PureDiscrete);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, FormatText(22, "blocked.dis"));
    EXPECT_EQ(TempFolder::Read(blocked), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    const std::string path = folder.Write("kept.dis", "old content");
    EXPECT_FALSE(WriteHistogramFile(path, h, HistogramKind::PureDiscrete).has_value());
    EXPECT_TRUE(ReadHistogramFile(path, HistogramKind::Discrete).ok());

    // Without the right to create files in the folder the old file stays too (not testable as root).
    ASSERT_EQ(chmod(folder.path().c_str(), 0500), 0);
    if (access(folder.path().c_str(), W_OK) != 0) {
        const std::string before = TempFolder::Read(path);
        EXPECT_TRUE(WriteHistogramFile(path, h, HistogramKind::Discrete).has_value());
        EXPECT_EQ(TempFolder::Read(path), before);
    }
    chmod(folder.path().c_str(), 0700);
}

TEST(HistogramFile, MissingFilesAndCategoryFolders)
{
    SetLanguage(Language::English);
    EXPECT_EQ(ReadHistogramFile("/nonexistent/x.dis", HistogramKind::Discrete).message->text,
              FormatText(9, "/nonexistent/x.dis"));
    EXPECT_FALSE(IsOutsideCategoryFolders("/d/Verosal/Histograms/Loads/a.dis", "/d/Verosal/Histograms"));
    EXPECT_FALSE(IsOutsideCategoryFolders("/d/Verosal/Histograms/Tests/a.dis", "/d/Verosal/Histograms"));
    EXPECT_TRUE(IsOutsideCategoryFolders("/d/Verosal/Histograms/a.dis", "/d/Verosal/Histograms"));
    EXPECT_TRUE(IsOutsideCategoryFolders("/d/Verosal/Histograms/loads/a.dis", "/d/Verosal/Histograms"));
    EXPECT_TRUE(IsOutsideCategoryFolders("/d/Verosal/Histograms/Loads/sub/a.dis", "/d/Verosal/Histograms"));
    const std::string text = CategoryFolderMessage("/d/Verosal/Histograms").text;
    EXPECT_EQ(text.find("/d/Verosal/Histograms/\r\n"), 67u) << text;
    EXPECT_EQ(text.find('\\'), std::string::npos);
}
