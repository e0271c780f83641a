#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "common/NumberText.h"
#include "editor/HistogramEditorModel.h"
#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "support/TempFolder.h"

using namespace morvik;
using morvik::test::TempFolder;

namespace {

HistogramEditorModel Typed(HistogramKind kind, const std::string& min, const std::string& max,
                           const std::vector<std::string>& lines, const std::string& name = "test")
{
    HistogramEditorModel model;
    model.SetKind(kind);
    model.SetMin(min);
    model.SetMax(max);
    model.SetName(name);
    EXPECT_FALSE(model.SetFrequencies(lines).has_value());
    return model;
}

}  // namespace

TEST(HistogramEditorModel, MemoCountsLinesAndSumsFrequencies)
{
    SetLanguage(Language::English);
    HistogramEditorModel model;
    EXPECT_EQ(model.CountText(), "");
    EXPECT_EQ(model.TotalText(), "0");
    EXPECT_FALSE(model.SetFrequencies(HistogramEditorModel::MemoLines("1\r\n2\r\n3")).has_value());
    EXPECT_EQ(model.CountText(), "3");
    EXPECT_EQ(model.TotalText(), "6");
    // An empty line counts as 0; a final line break opens no line.
    EXPECT_FALSE(model.SetFrequencies(HistogramEditorModel::MemoLines("1\n\n2\n")).has_value());
    EXPECT_EQ(model.CountText(), "3");
    EXPECT_EQ(model.TotalText(), "3");

    // A line that is no whole frequency is named, and the count and sum stay.
    for (const char* bad : {"x2", "1.5", "-4", "99999999999999999999"}) {
        const auto refusal = model.SetFrequencies({"4", "", bad});
        ASSERT_TRUE(refusal.has_value()) << bad;
        EXPECT_EQ(refusal->kind, DialogKind::Error);
        EXPECT_EQ(refusal->text,
                  TextCis(147) + "  ( integer )\r\n\r\n\t" + TextCis(148) + "3\r\n\t" + TextCis(149) + bad);
        EXPECT_EQ(model.CountText(), "3");
        EXPECT_EQ(model.TotalText(), "3");
    }
    // Two lines that together pass 64 bits: the second one is refused.
    EXPECT_TRUE(model.SetFrequencies({"9223372036854775807", "1"}).has_value());
    // A memo that still holds a refused line is not saved, even with as many lines as the last good count.
    model.SetMin("0");
    model.SetMax("1");
    model.SetName("x");
    EXPECT_TRUE(model.SetFrequencies({"1", "2", "y"}).has_value());
    ASSERT_TRUE(model.CheckSave().has_value());
    EXPECT_EQ(model.CheckSave()->text,
              TextCis(147) + "  ( integer )\r\n\r\n\t" + TextCis(148) + "3\r\n\t" + TextCis(149) + "y");
    EXPECT_FALSE(model.SetFrequencies({"1", "2", "3"}).has_value());
    EXPECT_FALSE(model.CheckSave().has_value());

    model.SetFrequencies({"1", "2"});
    model.ClickLine(1);
    EXPECT_EQ(model.ClickedLineText(), "1");
    model.ClickLine(2);  // below the last line: Edit6 keeps its number
    EXPECT_EQ(model.ClickedLineText(), "1");
}

TEST(HistogramEditorModel, SaveChecksInTheirOrder)
{
    SetLanguage(Language::English);
    const std::vector<std::string> three = {"1", "2", "3"};
    struct Case {
        const char* what;
        HistogramEditorModel model;
        Message expected;
    };
    std::vector<std::string> many(1025, "1");
    HistogramEditorModel empty;  // nothing typed at all: the memo is checked first
    const Case cases[] = {
        {"empty memo", empty, Message::Confirmation(TextCis(135))},
        {"1025 lines", Typed(HistogramKind::Discrete, "", "", many, ""),
         Message::Error(FormatText(150, "1024") + "1025")},
        {"all frequencies 0", Typed(HistogramKind::Discrete, "0", "1", {"0", ""}), Message::Confirmation(TextCis(135))},
        {"no Min", Typed(HistogramKind::Discrete, "", "", three, ""), Message::Confirmation("Min - " + TextCis(133))},
        {"Min no number", Typed(HistogramKind::PureDiscrete, "1-", "", three),
         Message::Confirmation("Min - " + TextCis(133))},
        {"no Max", Typed(HistogramKind::Discrete, "0", "", three, ""), Message::Confirmation("Max - " + TextCis(133))},
        {"Min = Max", Typed(HistogramKind::Discrete, "5", "5", three, ""), Message::Confirmation(TextCis(31))},
        {"Min > Max", Typed(HistogramKind::Discrete, "6", "5.5", three, ""), Message::Confirmation(TextCis(31))},
        {"no name", Typed(HistogramKind::Discrete, "0", "1", three, " "), Message::Confirmation(TextCis(134))},
        {"no name, Pure Discrete needs no Max", Typed(HistogramKind::PureDiscrete, "0", "", three, ""),
         Message::Confirmation(TextCis(134))},
    };
    for (const Case& c : cases) EXPECT_EQ(c.model.CheckSave(), c.expected) << c.what;
    EXPECT_FALSE(Typed(HistogramKind::Discrete, "0", "1", std::vector<std::string>(1024, "1")).CheckSave());
}

TEST(HistogramEditorModel, DiscreteFileAsWrittenAndHandedOver)
{
    TempFolder folder;
    HistogramEditorModel model = Typed(HistogramKind::Discrete, " 0", "1 0", {"1", "2", "", "4", "3"}, "my loads");
    model.LeaveName();
    EXPECT_EQ(model.Name(), "myloads");
    EXPECT_EQ(model.ProposedFileName(), "myloads.dis");
    const std::string path = folder / "myloads.dis";
    const EditorSave saved = model.Save(path);
    ASSERT_FALSE(saved.message.has_value());
    EXPECT_EQ(TempFolder::Read(path),
              "[Description]\r\nIdentification=myloads.dis\r\nType=Discrete\r\nForm=Frequency\r\n\r\n"
              "[Parameters]\r\nMin=0\r\nMax=10\r\nBins=5\r\nTotal=10\r\n\r\n[Bins]\r\n1\r\n2\r\n0\r\n4\r\n3\r\n");

    ASSERT_TRUE(saved.handOver.has_value());
    const EditorHandOver& out = *saved.handOver;
    EXPECT_EQ(out.histogram.Min, 1);
    EXPECT_EQ(out.histogram.Max, 9);
    EXPECT_EQ(out.histogram.Width, 2);
    EXPECT_EQ(out.histogram.Range, 10);
    EXPECT_EQ(out.histogram.Total, 10);
    EXPECT_EQ(out.histogram.Prob[3], 0.4);
    EXPECT_EQ(out.name, "myloads");
    EXPECT_EQ(out.fileName, "myloads.dis");
    EXPECT_EQ(out.folder, folder.path());
    EXPECT_EQ(out.kindText, " Discrete");
    EXPECT_TRUE(out.charEnabled);
    EXPECT_FALSE(out.absEnabled);

    // The main window's reader takes the file back as the histogram handed over.
    const HistogramRead read = ReadHistogramFile(path, HistogramKind::PureDiscrete);
    ASSERT_TRUE(read.ok()) << read.message->text;
    EXPECT_EQ(read.kind, HistogramKind::Discrete);
    EXPECT_EQ(read.histogram.Bins, 5);
    EXPECT_DOUBLE_EQ(read.histogram.Min, out.histogram.Min);
    EXPECT_DOUBLE_EQ(read.histogram.Max, out.histogram.Max);
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(read.histogram.Prob[i], out.histogram.Prob[i]) << i;
}

TEST(HistogramEditorModel, PureDiscreteValuesFollowMinOneApart)
{
    TempFolder folder;
    const HistogramEditorModel model = Typed(HistogramKind::PureDiscrete, "-3", "", {"5", "5", "5", "5"}, "dice");
    const EditorSave saved = model.Save(folder / "dice.dis");
    ASSERT_TRUE(saved.handOver.has_value());
    const Histogram& h = saved.handOver->histogram;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(h.ValueAt(i), -3 + i);
    EXPECT_EQ(h.Max, 0);
    EXPECT_EQ(saved.handOver->kindText, " Pure Discrete");
    EXPECT_TRUE(saved.handOver->absEnabled);
    const std::string text = TempFolder::Read(folder / "dice.dis");
    EXPECT_NE(text.find("Type=Pure Discrete\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nMax=" + StrNaCarku(0) + "\r\nBins=4\r\nTotal=20\r\n"), std::string::npos);
    const HistogramRead read = ReadHistogramFile(folder / "dice.dis", HistogramKind::Discrete);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.histogram.Min, -3);
    EXPECT_EQ(read.histogram.Max, 0);
}

TEST(HistogramEditorModel, WriteErrorHandsNothingOverAndKeepsTheOldFile)
{
    SetLanguage(Language::English);
    TempFolder folder;
    const HistogramEditorModel model = Typed(HistogramKind::Discrete, "0", "1", {"1"});
    const EditorSave missing = model.Save(folder / "no-such-folder/new.dis");
    ASSERT_TRUE(missing.message.has_value());
    EXPECT_EQ(missing.message->text, FormatText(22, "new.dis"));
    EXPECT_FALSE(missing.handOver.has_value());

    // A read-only folder: the file there stays as it was.
    const std::string old = folder.Write("locked/old.dis", "old content");
    std::filesystem::permissions(folder / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access((folder / "locked").c_str(), W_OK) != 0) {  // root writes anyway
        EXPECT_TRUE(model.Save(old).message.has_value());
        EXPECT_EQ(TempFolder::Read(old), "old content");
    }
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_all);
}

TEST(HistogramEditorModel, StartStateAndKeys)
{
    HistogramEditorModel model = Typed(HistogramKind::PureDiscrete, "1", "2", {"1"}, "x");
    EXPECT_FALSE(model.MaxVisible());
    model.Start();
    EXPECT_EQ(model.Kind(), HistogramKind::Discrete);
    EXPECT_TRUE(model.MaxVisible());
    EXPECT_TRUE(model.Name().empty() && model.MinText().empty() && model.MaxText().empty());
    EXPECT_FALSE(model.HasLines());
    EXPECT_EQ(model.TotalText(), "0");
    EXPECT_EQ(HistogramEditorModel::FilterRangeKey(','), '.');
    EXPECT_EQ(HistogramEditorModel::FilterRangeKey('e'), 'E');
    EXPECT_EQ(HistogramEditorModel::FilterRangeKey('-'), '-');
    EXPECT_FALSE(HistogramEditorModel::FilterRangeKey('a').has_value());
    EXPECT_FALSE(HistogramEditorModel::FilterRangeKey('\r').has_value());
}

// The correction of the shown histogram: its frequencies rounded halves to even, its name and kind, and Min and
// Max as its file keeps them.
TEST(HistogramEditorModel, CorrectionStartsFromTheShownHistogram)
{
    Histogram h;
    h.Bins = 3;
    h.Min = 1;  // midpoints 1, 3, 5 of the intervals 0..2, 2..4, 4..6
    h.Width = 2;
    h.Max = 5;
    h.Range = 4;
    h.Total = 4;
    h.Prob[0] = 0.125;  // 0.5 of a frequency: to 0
    h.Prob[1] = 0.375;  // 1.5: to 2
    h.Prob[2] = 0.5;
    HistogramEditorModel model;
    model.StartCorrection(h, HistogramKind::Discrete, "wind");
    EXPECT_EQ(model.Name(), "wind");
    EXPECT_EQ(model.Kind(), HistogramKind::Discrete);
    EXPECT_EQ(model.MinText(), StrNaCarku(0));
    EXPECT_EQ(model.MaxText(), StrNaCarku(6));
    EXPECT_EQ(model.Lines(), (std::vector<std::string>{"0", "2", "2"}));
    EXPECT_EQ(model.CountText(), "3");
    EXPECT_EQ(model.TotalText(), "4");

    h.Min = 3;
    h.Width = 1;
    h.Max = 5;
    model.StartCorrection(h, HistogramKind::PureDiscrete, "dice");
    EXPECT_FALSE(model.MaxVisible());
    EXPECT_EQ(model.MinText(), StrNaCarku(3));
    EXPECT_EQ(model.MaxText(), StrNaCarku(5));
}
