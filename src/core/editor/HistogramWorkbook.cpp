#include "editor/HistogramWorkbook.h"

#include <cmath>
#include <cstdio>

#include <unistd.h>
#include <xlsxwriter.h>

#include "common/AtomicFile.h"
#include "common/Paths.h"
#include "histogram/Characteristics.h"
#include "localization/CharacteristicLabels.h"
#include "localization/MessageNumbers.h"
#include "localization/TableCaptionSets.h"
#include "localization/TextCis.h"

namespace morvik {
namespace {

std::string WithoutTrailingBlanks(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// One sheet being written; remembers the first failure of any cell.
class Sheet {
public:
    Sheet(lxw_workbook* book, lxw_worksheet* sheet) : sheet_(sheet)
    {
        whole_ = workbook_add_format(book);
        format_set_num_format(whole_, "0");
        probability_ = workbook_add_format(book);
        format_set_num_format(probability_, "0.000000");
        general_ = workbook_add_format(book);
        format_set_num_format(general_, "General");
    }
    // Rows and columns count from 1, as the table is described.
    void Text(int row, int column, const std::string& text)
    {
        Check(worksheet_write_string(sheet_, Row(row), Col(column), text.c_str(), nullptr));
    }
    void Number(int row, int column, double value, lxw_format* format)
    {
        // An undefined characteristic (NaN) cannot be a number cell.
        if (!std::isfinite(value)) return Text(row, column, " undefined");
        Check(worksheet_write_number(sheet_, Row(row), Col(column), value, format));
    }
    void Whole(int row, int column, double value) { Number(row, column, value, whole_); }
    void Probability(int row, int column, double value) { Number(row, column, value, probability_); }
    void General(int row, int column, double value) { Number(row, column, value, general_); }
    bool ok() const { return ok_; }

private:
    static lxw_row_t Row(int row) { return static_cast<lxw_row_t>(row - 1); }
    static lxw_col_t Col(int column) { return static_cast<lxw_col_t>(column - 1); }
    void Check(lxw_error error) { ok_ = ok_ && error == LXW_NO_ERROR; }

    lxw_worksheet* sheet_;
    lxw_format* whole_;
    lxw_format* probability_;
    lxw_format* general_;
    bool ok_ = true;
};

void WriteCharacteristics(Sheet& sheet, const Histogram& h, HistogramKind kind)
{
    const Statistics s = ComputeStatistics(h.Prob, h.Bins, h.Min, h.Max, kind, h.Total);
    const double values[12] = {s.min,
                               s.max,
                               static_cast<double>(s.bins),
                               s.frequencyTotal,
                               s.mean,
                               s.variance,
                               s.stdDev,
                               s.meanDeviation,
                               s.cvPercent,
                               s.skewness,
                               s.concentration,
                               s.excess};
    const auto& labels = CharacteristicLabels();
    for (int i = 0; i < 12; ++i) {
        sheet.Text(3 + i, 1, WithoutTrailingBlanks(labels[static_cast<size_t>(i)]));
        if (i == 2 || i == 3) sheet.Whole(3 + i, 2, values[i]);
        else sheet.General(3 + i, 2, values[i]);
    }
}

void WriteRows(Sheet& sheet, const Histogram& h, HistogramKind kind)
{
    const auto& headings = RowTableHeadings(CurrentLanguage());
    for (int column = 1; column <= 5; ++column) sheet.Text(16, column, std::string(headings[column - 1]));
    int row = 17;
    if (kind == HistogramKind::Discrete) {
        sheet.General(row, 2, h.Min - h.Width / 2);
        sheet.Probability(row, 5, 0);
        ++row;
    }
    double F = 0;
    for (int i = 0; i < h.Bins; ++i, ++row) {
        const double p = h.Prob[i];
        const double before = F;
        F += p;
        sheet.Whole(row, 1, i + 1);
        sheet.General(row, 2, h.ValueAt(i));
        sheet.Probability(row, 3, p);
        sheet.General(row, 4, p * h.Total);
        sheet.Probability(row, 5, kind == HistogramKind::Discrete ? before + p / 2 : F);
        if (kind == HistogramKind::Discrete) {
            ++row;
            sheet.General(row, 2, h.Min + (i + 0.5) * h.Width);
            sheet.Probability(row, 5, F);
        }
    }
    sheet.Text(row, 2, TextCis(msg::TotalCaption));
    sheet.Probability(row, 3, F);
    sheet.Whole(row, 4, h.Total);
}

bool WriteWorkbook(const std::string& path, const Histogram& h, HistogramKind kind, const std::string& name)
{
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr) return false;
    lxw_worksheet* worksheet = workbook_add_worksheet(book, "Histogram");
    bool ok = worksheet != nullptr;
    if (ok) {
        Sheet sheet(book, worksheet);
        if (kind == HistogramKind::Discrete) sheet.Text(1, 1, "Histogram : " + name);
        WriteCharacteristics(sheet, h, kind);
        WriteRows(sheet, h, kind);
        ok = sheet.ok();
        worksheet_set_column(worksheet, 0, 0, 34, nullptr);
        worksheet_set_column(worksheet, 1, 4, 20, nullptr);
    }
    return workbook_close(book) == LXW_NO_ERROR && ok;
}

}  // namespace

std::optional<Message> WriteHistogramWorkbook(const std::string& path, const Histogram& h, HistogramKind kind,
                                              const std::string& name)
{
    const Message failure = Message::Error(FormatText(msg::WriteError, FileNameOf(path)));
    if (h.Bins < 0 || h.Bins > MaxBins) return failure;
    // libxlsxwriter writes only to a named file: the workbook goes to a private scratch file beside the target,
    // and its bytes then replace the target the safe way.
    const std::string folder = FolderOf(path);
    std::string scratch = (folder.empty() ? std::string(".") : folder) + "/.morvik-xlsx-XXXXXX";
    const int descriptor = mkstemp(scratch.data());
    if (descriptor < 0) return failure;
    close(descriptor);
    std::string bytes;
    const bool written = WriteWorkbook(scratch, h, kind, name) && ReadWholeFile(scratch, bytes);
    std::remove(scratch.c_str());
    if (!written || !WriteFileAtomically(path, bytes)) return failure;
    return std::nullopt;
}

std::string WorkbookFileName(const std::string& histogramName)
{
    return histogramName.substr(0, histogramName.find('.')) + ".xlsx";
}

Message WorkbookNotOpened(const std::string& path)
{
    return Message::Warning(WorkbookNotOpenedText(CurrentLanguage(), path));
}

}  // namespace morvik
