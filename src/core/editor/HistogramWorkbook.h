#pragma once
#include <optional>
#include <string>

#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

// Writes the spreadsheet of the frequency and probability table (the export of TForm3 and TForm9) as an .xlsx
// workbook with one sheet "Histogram": for Discrete "Histogram : " + name in A1, the twelve characteristics
// (caption, value) in rows 3 to 14, the row-table headings in row 16 and the table's rows below it, the totals
// last. Numbers are stored as numbers. The workbook is written under a temporary name in the target's folder and
// renamed over the target, so a failure leaves an existing file as it was; it gives message 22 with the file name.
std::optional<Message> WriteHistogramWorkbook(const std::string& path, const Histogram& h, HistogramKind kind,
                                              const std::string& name);

// The workbook's file name in the results folder: the histogram name up to its first "." and ".xlsx".
std::string WorkbookFileName(const std::string& histogramName);
// The warning when no application opens the written workbook; the file stays where it was written.
Message WorkbookNotOpened(const std::string& path);

}  // namespace morvik
