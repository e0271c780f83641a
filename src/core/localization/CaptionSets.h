#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "localization/TextCis.h"

namespace morvik {

// What a caption-set text is applied to.
enum class CaptionKind {
    Caption,      // the element's caption (menu item, label, group box, button, check box)
    Hint,         // "short|long": the tooltip before the "|", the status-bar text after it
    Cell,         // a grid cell (column, row)
    Item,         // a combo-box item (index in `column`)
    WindowTitle,  // the window's title (objectName empty)
};

// One text of a caption set, naming its element by objectName.
struct CaptionText {
    std::string_view objectName;
    CaptionKind kind;
    int column;  // Cell: the column; Item: the item index
    int row;     // Cell: the row
    std::string_view text;
};

// Builders of caption-set entries, for the tables of the sets.
namespace captions {
constexpr CaptionText Title(std::string_view text) { return {"", CaptionKind::WindowTitle, 0, 0, text}; }
constexpr CaptionText Caption(std::string_view name, std::string_view text)
{
    return {name, CaptionKind::Caption, 0, 0, text};
}
constexpr CaptionText Hint(std::string_view name, std::string_view text)
{
    return {name, CaptionKind::Hint, 0, 0, text};
}
constexpr CaptionText Cell(std::string_view name, int column, int row, std::string_view text)
{
    return {name, CaptionKind::Cell, column, row, text};
}
constexpr CaptionText Item(std::string_view name, int index, std::string_view text)
{
    return {name, CaptionKind::Item, index, 0, text};
}
}  // namespace captions

// The caption set of a window (1 to 19, as the forms are numbered) in one language, in the order the texts
// are applied. A window without texts of its own gives an empty set.
std::span<const CaptionText> CaptionSet(int formNumber, Language language);

// The main window's set (TForm1).
std::span<const CaptionText> MainWindowCaptionSet(Language language);
// The summation table (TForm7), the combination table (TForm8) and their graph window (TForm11).
std::span<const CaptionText> SummationCaptionSet(Language language);
std::span<const CaptionText> CombinationCaptionSet(Language language);
std::span<const CaptionText> RowGraphCaptionSet(Language language);
std::span<const CaptionText> ParametricWindowCaptionSet(Language language);
std::span<const CaptionText> RawDataWindowCaptionSet(Language language);
std::span<const CaptionText> FitRankingCaptionSet(Language language);
// The colours window (TForm5).
std::span<const CaptionText> ColoursCaptionSet(Language language);

// Looks a text up in a set.
std::optional<std::string_view> FindCaption(std::span<const CaptionText> set, std::string_view objectName);
std::optional<std::string_view> FindHint(std::span<const CaptionText> set, std::string_view objectName);
std::optional<std::string_view> FindCell(std::span<const CaptionText> set, std::string_view objectName, int column,
                                         int row);
std::optional<std::string_view> FindItem(std::span<const CaptionText> set, std::string_view objectName, int index);

}  // namespace morvik
