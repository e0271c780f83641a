// The chart's picture files are made to fail on purpose: the disk fills up in the middle of the write, the
// target's folder is a file, or the target is a folder. Each export says why, leaves the file that was there
// byte for byte as it was, and leaves no temporary file behind.
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "GuiTest.h"
#include "TestCharts.h"
#include "chart/ChartView.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

using namespace morvik;
using test::ReadText;
using test::TempFolder;
using test::WriteText;

namespace {

struct PictureExport {
    const char* what;
    const char* fileName;
    std::function<std::optional<ExportFailure>(const ChartView&, const std::string&)> save;
};

std::vector<PictureExport> PictureExports()
{
    return {
        {"bitmap", "chart.bmp", [](const ChartView& v, const std::string& path) { return v.saveBitmap(path); }},
        {"JPEG", "chart.jpg", [](const ChartView& v, const std::string& path) { return v.saveJpeg(path); }},
        {"SVG", "chart.svg", [](const ChartView& v, const std::string& path) { return v.saveSvg(path); }},
    };
}

std::vector<std::string> SortedNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string OldPicture = "an earlier picture, kept as it was";

}  // namespace

class ChartExportFaultTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        view_ = std::make_unique<ChartView>();
        ChartModel chart = test::BarChart({0.2, 0.5, 0.3}, RgbColour(255, 0, 0));
        chart.titleLines = {"Histogram :     beam.dis"};
        view_->setModel(chart);
        view_->resize(480, 320);
    }

    void aDiskThatFillsUpInTheMiddleLeavesTheOldPicture()
    {
        for (const PictureExport& e : PictureExports()) {
            TempFolder temp;
            const std::string path = temp / e.fileName;
            // Without the limit the picture is written, larger than the limit lets through.
            QVERIFY2(!e.save(*view_, path), e.what);
            QVERIFY2(std::filesystem::file_size(path) > 256u, e.what);
            WriteText(path, OldPicture);

            const std::optional<std::string> failure = test::WriteWithFileSizeLimitHere(256, [&] {
                const std::optional<ExportFailure> f = e.save(*view_, path);
                return f ? std::optional<std::string>(f->reason) : std::nullopt;
            });
            QVERIFY2(failure, e.what);
            QVERIFY2(failure->starts_with(path + ": "), failure->c_str());
            QCOMPARE(ReadText(path), OldPicture);
            QCOMPARE(SortedNames(temp.path()), std::vector<std::string>{e.fileName});
        }
    }

    void aFolderThatIsAFileOrATargetThatIsAFolderIsRefused()
    {
        for (const PictureExport& e : PictureExports()) {
            TempFolder temp;
            WriteText(temp / "folder", OldPicture);
            const std::string inFile = temp / "folder" + "/" + e.fileName;
            const std::optional<ExportFailure> first = e.save(*view_, inFile);
            QVERIFY2(first && first->reason.starts_with(inFile + ": "), e.what);
            QCOMPARE(ReadText(temp / "folder"), OldPicture);

            const std::string folder = temp / e.fileName;
            std::filesystem::create_directory(folder);
            const std::optional<ExportFailure> second = e.save(*view_, folder);
            QVERIFY2(second && second->reason.starts_with(folder + ": "), e.what);
            QVERIFY2(std::filesystem::is_empty(folder), e.what);
            std::vector<std::string> expected = {"folder", e.fileName};
            std::sort(expected.begin(), expected.end());
            QCOMPARE(SortedNames(temp.path()), expected);
        }
    }

private:
    std::unique_ptr<ChartView> view_;
};

MORVIK_GUI_TEST(ChartExportFaultTest);
#include "ChartExportFaultTest.moc"
