#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "histogram/Histogram.h"

namespace morvik::test {

// A histogram file in the layout the program writes; `type` empty leaves the "Type=" line out.
inline std::string DisText(const std::string& type, const std::string& min, const std::string& max, int bins,
                           long long total, const std::vector<long long>& frequencies,
                           const std::string& identification = "test.dis")
{
    std::string text = "[Description]\r\nIdentification=" + identification + "\r\n";
    if (!type.empty()) text += "Type=" + type + "\r\n";
    text += "Form=Frequency\r\n\r\n[Parameters]\r\nMin=" + min + "\r\nMax=" + max + "\r\nBins=" +
            std::to_string(bins) + "\r\nTotal=" + std::to_string(total) + "\r\n\r\n[Bins]\r\n";
    for (long long f : frequencies) text += std::to_string(f) + "\r\n";
    return text;
}

// A histogram of values min, min + width, ... with the given probabilities.
inline Histogram MakeHistogram(double min, double width, const std::vector<double>& prob, double total = 100)
{
    Histogram h;
    h.Bins = static_cast<int>(prob.size());
    h.Min = min;
    h.Width = width;
    h.Max = min + (h.Bins - 1) * width;
    h.Range = h.Max - h.Min;
    h.Total = total;
    std::copy(prob.begin(), prob.end(), h.Prob.begin());
    return h;
}

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvik-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::filesystem::path file = std::filesystem::path(path_) / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }
    static std::string Read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
};

}  // namespace morvik::test
