#include "localization/CaptionSets.h"

#include <algorithm>

#include "localization/AuxiliaryCaptionSets.h"
#include "localization/TableCaptionSets.h"

namespace morvik {

namespace {

std::optional<std::string_view> Find(std::span<const CaptionText> set, std::string_view objectName, CaptionKind kind,
                                     int column, int row)
{
    auto found = std::find_if(set.begin(), set.end(), [&](const CaptionText& entry) {
        return entry.objectName == objectName && entry.kind == kind && entry.column == column && entry.row == row;
    });
    if (found == set.end()) return std::nullopt;
    return found->text;
}

}  // namespace

std::span<const CaptionText> CaptionSet(int formNumber, Language language)
{
    switch (formNumber) {
    case 1: return MainWindowCaptionSet(language);
    case 2: return VersionWindowCaptionSet(language);
    case 3: return ResultTableCaptionSet(language);
    case 4: return ControlListingCaptionSet(language);
    case 5: return ColoursCaptionSet(language);
    case 6: return SettingsViewerCaptionSet(language);
    case 7: return SummationCaptionSet(language);
    case 8: return CombinationCaptionSet(language);
    case 9: return RowTableCaptionSet(language);
    case 10: return DistributionCaptionSet(language);
    case 11: return RowGraphCaptionSet(language);
    case 12: return ParametricWindowCaptionSet(language);
    case 14: return RawDataWindowCaptionSet(language);
    case 15: return FileListingCaptionSet(language);
    case 18: return HistogramEditorCaptionSet(language);
    case 19: return FitRankingCaptionSet(language);
    default: return {};
    }
}

std::optional<std::string_view> FindCaption(std::span<const CaptionText> set, std::string_view objectName)
{
    return Find(set, objectName, CaptionKind::Caption, 0, 0);
}

std::optional<std::string_view> FindHint(std::span<const CaptionText> set, std::string_view objectName)
{
    return Find(set, objectName, CaptionKind::Hint, 0, 0);
}

std::optional<std::string_view> FindCell(std::span<const CaptionText> set, std::string_view objectName, int column,
                                         int row)
{
    return Find(set, objectName, CaptionKind::Cell, column, row);
}

std::optional<std::string_view> FindItem(std::span<const CaptionText> set, std::string_view objectName, int index)
{
    return Find(set, objectName, CaptionKind::Item, index, 0);
}

}  // namespace morvik
