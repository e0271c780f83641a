#include <filesystem>

#include <gtest/gtest.h>

#include "histogram/HistogramFile.h"
#include "localization/TextCis.h"
#include "shell/DataFolder.h"
#include "shell/FirstStart.h"
#include "shell/Folders.h"
#include "support/TempFolder.h"

using namespace morvik;
using morvik::test::ReadText;
using morvik::test::TempFolder;
using morvik::test::WriteText;
namespace fs = std::filesystem;

TEST(Folders, FollowFromTheDocumentsAndDataFolders)
{
    const Folders folders = MakeFolders("/home/u/Documents", "/usr/share/morvik");
    EXPECT_EQ(folders.FamilyFolder, "/home/u/Documents/Verosal");
    EXPECT_EQ(folders.StartFolder, "/usr/share/morvik");
    EXPECT_EQ(folders.HistogramsRoot, "/home/u/Documents/Verosal/Histograms");
    EXPECT_EQ(folders.ResultsFolder, "/home/u/Documents/Verosal/Histograms/Calculated");
    EXPECT_EQ(folders.GraphsFolder, "/home/u/Documents/Verosal/Graphs and Prints");
    EXPECT_EQ(folders.RawDataFolder, "/home/u/Documents/Verosal/Raw data");
    EXPECT_EQ(folders.CategoryFolders()[4], "/home/u/Documents/Verosal/Histograms/Solidity and material characterics");
    // The results folder is a category folder: computed histograms can be opened again.
    EXPECT_FALSE(IsOutsideCategoryFolders(folders.ResultsFolder + "/x.dis", folders.HistogramsRoot));
    EXPECT_EQ(MakeFolders("", "/p").FamilyFolder, "/Verosal");
    EXPECT_EQ(SettingsFilePath("/home/u/.config/Morvik"), "/home/u/.config/Morvik/Morvik.INI");
}

TEST(Folders, DirectoriesMessageNamesFiveFoldersInOrder)
{
    SetLanguage(Language::English);
    Folders folders = MakeFolders("/d", "/p%s");  // a "%s" in a folder name is not filled again
    const std::string text = DirectoriesText(folders);
    EXPECT_EQ(text.substr(0, 2), "\tD");
    const auto start = text.find("/p%s");
    const auto histograms = text.find("/d/Verosal/Histograms\r\n");
    const auto graphs = text.find("/d/Verosal/Graphs and Prints\r\n");
    const auto raw = text.find("/d/Verosal/Raw data\r\n");
    const auto results = text.find("/d/Verosal/Histograms/Calculated\r\n");
    ASSERT_NE(results, std::string::npos);
    EXPECT_LT(start, histograms);
    EXPECT_LT(histograms, graphs);
    EXPECT_LT(graphs, raw);
    EXPECT_LT(raw, results);
}

namespace {

// A small examples folder: one histogram for Loads and one for Tests, one raw data file.
struct ExamplesFixture : ::testing::Test {
    TempFolder temp;
    std::string examples = temp / "examples";
    Folders folders = MakeFolders(temp / "Documents", temp / "program");

    void SetUp() override
    {
        fs::create_directories(examples + "/Loads");
        fs::create_directories(examples + "/Tests");
        fs::create_directories(examples + "/Raw data");
        WriteText(examples + "/Loads/Dead.dis", "shipped dead");
        WriteText(examples + "/Loads/Live.dis", "shipped live");
        WriteText(examples + "/Tests/Cubes.dis", "shipped cubes");
        WriteText(examples + "/Raw data/Wind.txt", "1\r\n2\r\n3\r\n");
    }
};

}  // namespace

TEST_F(ExamplesFixture, FirstStartCreatesTheTreeAndCopiesTheExamples)
{
    const FolderPreparation report = PrepareFamilyFolders(folders, examples, true);
    EXPECT_TRUE(report.messages.empty());
    EXPECT_EQ(report.createdFolders.size(), folders.FamilyTree().size());
    for (const std::string& folder : folders.FamilyTree()) EXPECT_TRUE(fs::is_directory(folder)) << folder;
    EXPECT_EQ(ReadText(folders.HistogramsRoot + "/Loads/Dead.dis"), "shipped dead");
    EXPECT_EQ(ReadText(folders.HistogramsRoot + "/Tests/Cubes.dis"), "shipped cubes");
    EXPECT_EQ(ReadText(folders.RawDataFolder + "/Wind.txt"), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(report.copiedFiles.size(), 4u);
}

TEST_F(ExamplesFixture, NeverReplacesTheUsersFiles)
{
    fs::create_directories(folders.HistogramsRoot + "/Loads");
    WriteText(folders.HistogramsRoot + "/Loads/Dead.dis", "the user's own");
    const FolderPreparation report = PrepareFamilyFolders(folders, examples, true);
    EXPECT_TRUE(report.messages.empty());
    EXPECT_EQ(ReadText(folders.HistogramsRoot + "/Loads/Dead.dis"), "the user's own");
    EXPECT_EQ(ReadText(folders.HistogramsRoot + "/Loads/Live.dis"), "shipped live");
}

TEST_F(ExamplesFixture, LaterStartsRefillOnlyTheFoldersTheyCreate)
{
    PrepareFamilyFolders(folders, examples, true);
    fs::remove(folders.HistogramsRoot + "/Loads/Live.dis");  // the user deleted an example
    fs::remove_all(folders.HistogramsRoot + "/Tests");       // and a whole folder

    const FolderPreparation report = PrepareFamilyFolders(folders, examples, false);
    EXPECT_EQ(report.createdFolders, std::vector<std::string>{folders.HistogramsRoot + "/Tests"});
    EXPECT_FALSE(fs::exists(folders.HistogramsRoot + "/Loads/Live.dis"));
    EXPECT_EQ(ReadText(folders.HistogramsRoot + "/Tests/Cubes.dis"), "shipped cubes");
}

TEST_F(ExamplesFixture, AFailureIsReportedAndTheRestGoesOn)
{
    SetLanguage(Language::English);
    fs::create_directories(folders.FamilyFolder);
    WriteText(folders.GraphsFolder, "a file where a folder belongs");
    const FolderPreparation report = PrepareFamilyFolders(folders, examples, true);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].kind, DialogKind::Error);
    EXPECT_NE(report.messages[0].text.find(FormatText(22, folders.GraphsFolder)), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folders.RawDataFolder));
    EXPECT_EQ(ReadText(folders.RawDataFolder + "/Wind.txt"), "1\r\n2\r\n3\r\n");
}

TEST_F(ExamplesFixture, AFailedFamilyFolderIsReportedOnce)
{
    WriteText(folders.DocumentsFolder, "a file where the documents folder belongs");
    const FolderPreparation report = PrepareFamilyFolders(folders, examples, true);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_NE(report.messages[0].text.find(folders.FamilyFolder), std::string::npos);
    EXPECT_TRUE(report.createdFolders.empty());
    EXPECT_TRUE(report.copiedFiles.empty());
}

TEST_F(ExamplesFixture, WithoutShippedExamplesOnlyTheFoldersAreMade)
{
    const FolderPreparation report = PrepareFamilyFolders(folders, temp / "nowhere", true);
    EXPECT_TRUE(report.messages.empty());
    EXPECT_TRUE(report.copiedFiles.empty());
    EXPECT_TRUE(fs::is_directory(folders.ResultsFolder));
}

TEST(DataFolder, FindsTheInstalledFolderAndTheSourceTreeOnlyFromTheBuildFolder)
{
    TempFolder temp;
    fs::create_directories(temp / "bin");
    // An installed copy without its data finds nothing: it never reaches back into the source tree.
    EXPECT_EQ(FindDataFolder(temp / "bin"), "");
    fs::create_directories(temp / "share/morvik/examples");
    EXPECT_EQ(FindDataFolder(temp / "bin"), temp / "share/morvik");

    // A program in its build folder uses the source tree's data; a folder whose name merely begins with the
    // build folder's name is not inside it.
    EXPECT_EQ(FindDataFolder(BuildFolder() + "/src/app"), SourceDataFolder());
    EXPECT_EQ(FindDataFolder(BuildFolder() + "-elsewhere/bin"), "");
}
