#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "shell/ReOpenStack.h"

using namespace morvik;

namespace {

ReOpenStack StackOf(int count)
{
    ReOpenStack stack;
    for (int i = 1; i <= count; ++i) stack.Push("/h/Loads/f" + std::to_string(i) + ".dis", "1.00", "64");
    return stack;
}

}  // namespace

TEST(ReOpenStack, PushRules)
{
    ReOpenStack stack;
    EXPECT_FALSE(stack.Push("", "1.00", "10"));
    EXPECT_TRUE(stack.Push("/h/Loads/x.dis", "1.00", "10"));
    EXPECT_TRUE(stack.Push("/h/Tests/y.dis", "1.00", "20"));
    // The same name with the same multiple, from anywhere: nothing changes and nothing moves.
    EXPECT_FALSE(stack.Push("/h/Loads/x.dis", "1.00", "99"));
    EXPECT_FALSE(stack.Push("/h/Tests/x.dis", "1.00", "10"));
    EXPECT_EQ(stack.Entries(),
              (std::vector<ReOpenEntry>{{"/h/Tests/y.dis", "1.00", "20"}, {"/h/Loads/x.dis", "1.00", "10"}}));
    // Another multiple or another letter case is another entry.
    EXPECT_TRUE(stack.Push("/h/Loads/x.dis", "2.50", "10"));
    EXPECT_TRUE(stack.Push("/h/Loads/X.dis", "1.00", "10"));
    EXPECT_EQ(stack.Count(), 4);
    EXPECT_EQ(stack.Entry(0).file, "/h/Loads/X.dis");
    EXPECT_EQ(stack.Entry(1).multiple, "2.50");
}

TEST(ReOpenStack, HoldsTwentyAndDropsTheOldest)
{
    ReOpenStack stack = StackOf(20);
    EXPECT_EQ(stack.Entry(19).file, "/h/Loads/f1.dis");
    EXPECT_TRUE(stack.Push("/h/Loads/f21.dis", "1.00", "64"));
    EXPECT_EQ(stack.Count(), 20);
    EXPECT_EQ(stack.Entry(0).file, "/h/Loads/f21.dis");
    EXPECT_EQ(stack.Entry(19).file, "/h/Loads/f2.dis");
}

TEST(ReOpenStack, RemoveClearAndIntervals)
{
    ReOpenStack stack = StackOf(3);  // f3, f2, f1
    stack.Remove(1);
    EXPECT_EQ(stack.Count(), 2);
    EXPECT_EQ(stack.Entry(1).file, "/h/Loads/f1.dis");
    stack.Remove(2);
    stack.Remove(-1);
    EXPECT_EQ(stack.Count(), 2);
    stack.SetIntervals(1, "128");
    EXPECT_EQ(stack.Entry(1).intervals, "128");
    stack.Clear();
    EXPECT_TRUE(stack.Empty());
    EXPECT_FALSE(stack.MenuEnabled());
}

TEST(ReOpenStack, ANewMultipleOfTheShownFileIsRemembered)
{
    ReOpenStack stack;
    stack.Push("/h/Loads/dead.load.dis", "1.00", "64");
    stack.Push("/h/Tests/cubes.dis", "1.00", "23");
    // The main window shows the name without extension after opening, with it after a ReOpen menu item.
    EXPECT_TRUE(stack.PushNewMultiple("dead", "1.35"));
    EXPECT_EQ(stack.Entry(0), (ReOpenEntry{"/h/Loads/dead.load.dis", "1.35", "64"}));
    EXPECT_TRUE(stack.PushNewMultiple("cubes.dis", "2.00"));
    EXPECT_EQ(stack.Entry(0), (ReOpenEntry{"/h/Tests/cubes.dis", "2.00", "23"}));
    EXPECT_FALSE(stack.PushNewMultiple("cubes", "2.00"));  // already there with that multiple
    EXPECT_FALSE(stack.PushNewMultiple("other", "2.00"));
    EXPECT_FALSE(stack.PushNewMultiple("", "2.00"));
    EXPECT_EQ(stack.Count(), 4);
}

TEST(ReOpenStack, MenuItems)
{
    ReOpenStack stack;
    stack.Push("/a", "1.00", "1");  // 2 characters: no item shown
    stack.Push("/h/Loads/x.dis", "1.00", "10");
    const auto items = stack.MenuItems();
    EXPECT_EQ(items[0].objectName, "N01");
    EXPECT_EQ(items[1].objectName, "N11");
    EXPECT_EQ(items[19].objectName, "N191");
    EXPECT_EQ(items[0].caption, "&0 /h/Loads/x.dis");
    EXPECT_TRUE(items[0].visible);
    EXPECT_EQ(items[1].caption, "&1 /a");
    EXPECT_FALSE(items[1].visible);
    EXPECT_FALSE(items[2].visible);
    EXPECT_TRUE(stack.MenuEnabled());
}

TEST(ReOpenStack, TableRows)
{
    SetLanguage(Language::English);
    ReOpenStack stack = StackOf(10);
    const auto rows = stack.TableRows();
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0], (std::array<std::string, 5>{"", "Histogram (.dis)", "   Multiple A", " N intervals",
                                                   "           Address"}));
    EXPECT_EQ(rows[1], (std::array<std::string, 5>{"    1", "f10", "1.00", "64", "/h/Loads"}));
    EXPECT_EQ(rows[10][0], "   10");
    EXPECT_EQ(rows[10][1], "f1");
}

TEST(ReOpenStack, SurvivesTheSettingsFile)
{
    ReOpenStack stack;
    stack.Push("/h/Loads/x.dis", "1.00", "10");
    stack.Push("/h/Tests/y z.dis", "-2.5", "7");
    SettingsFile settings;
    WriteReOpenStack(settings, stack);
    const std::string text = settings.Text();
    for (const char* line : {"[--  ReOpen histogram  --]", "Celkem ReOpen=2", "ReOpen-soubor  [0]=/h/Tests/y z.dis",
                             "ReOpen-nasobek [0]=-2.5", "ReOpen-interval[0]=7", "ReOpen-soubor  [1]=/h/Loads/x.dis"}) {
        EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line;
    }
    EXPECT_EQ(ReadReOpenStack(SettingsFile::FromText(text)).Entries(), stack.Entries());
}

TEST(ReOpenStack, AStoredCountIsKeptWithinTheStack)
{
    std::string text = "[--  ReOpen histogram  --]\nCelkem ReOpen=25\n";
    for (int i = 0; i < 25; ++i) {
        text += "ReOpen-soubor  [" + std::to_string(i) + "]=/h/Loads/f" + std::to_string(i) + ".dis\n";
    }
    const ReOpenStack many = ReadReOpenStack(SettingsFile::FromText(text));
    EXPECT_EQ(many.Count(), 20);
    EXPECT_EQ(many.Entry(19).file, "/h/Loads/f19.dis");

    // A count above the stored entries, or below zero, reads only what is there.
    const ReOpenStack gaps = ReadReOpenStack(SettingsFile::FromText(
        "[--  ReOpen histogram  --]\nCelkem ReOpen=3\nReOpen-soubor  [1]=/h/Loads/b.dis\nReOpen-nasobek [1]=2\n"));
    EXPECT_EQ(gaps.Entries(), (std::vector<ReOpenEntry>{{"/h/Loads/b.dis", "2", ""}}));
    EXPECT_TRUE(ReadReOpenStack(SettingsFile::FromText("[--  ReOpen histogram  --]\nCelkem ReOpen=-4\n")).Empty());
}

TEST(ReOpenStack, QuestionsForAFileThatIsGone)
{
    SetLanguage(Language::English);
    const Message missing = ReOpenMissingFileQuestion("/h/Loads/x.dis");
    EXPECT_EQ(missing.kind, DialogKind::Confirmation);
    EXPECT_EQ(missing.text.substr(0, 45), "Data file does not exist!\r\n( /h/Loads/x.dis )");
    EXPECT_EQ(ReOpenUnreadableFileQuestion("/q").text, FormatText(28, "/q"));
}
