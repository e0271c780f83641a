#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "localization/CaptionSets.h"

namespace morvik {

// The result tables: TForm3 (Pure Discrete) and TForm9 (Discrete), and the listing of a histogram file (TForm15).
std::span<const CaptionText> ResultTableCaptionSet(Language language);
std::span<const CaptionText> RowTableCaptionSet(Language language);
std::span<const CaptionText> FileListingCaptionSet(Language language);
// The control listing of a file being read (TForm4): its caption is a catalogue text, set as it opens.
std::span<const CaptionText> ControlListingCaptionSet(Language language);
// The distribution-function window (TForm10) and the new-histogram editor (TForm18).
std::span<const CaptionText> DistributionCaptionSet(Language language);
std::span<const CaptionText> HistogramEditorCaptionSet(Language language);

// The five headings of the row table that set 9 assigns; the spreadsheet export writes them in row 16.
const std::array<std::string_view, 5>& RowTableHeadings(Language language);

// The warning text when no application can open the written workbook, with the workbook's path.
std::string WorkbookNotOpenedText(Language language, std::string_view path);

}  // namespace morvik
