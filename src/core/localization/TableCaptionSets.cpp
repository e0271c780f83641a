// The caption sets of the result tables (TForm3, TForm9), the control listing (TForm4) and the file listing
// (TForm15) in both languages.
#include "localization/TableCaptionSets.h"

namespace morvik {
namespace {

using namespace captions;

constexpr CaptionText ResultCzech[] = {
    Title(" Popis histogramu"),
    Hint("StringGrid1", "Tabulka histogramu | Hodnoty, pravděpodobnosti, četnosti a distribuční funkce"),
    Hint("KontTisk", "Tabulkový procesor | Zapíše tabulku a charakteristiky do sešitu a otevře jej"),
    Hint("ExitBtn", "Zavřít | Zavře tabulku"),
};
constexpr CaptionText ResultEnglish[] = {
    Title("Histogram description"),
    Hint("StringGrid1", "Table of histogram | Values, probabilities, frequencies and distribution function"),
    Hint("KontTisk", "Spreadsheet | Writes the table and the characteristics to a workbook and opens it"),
    Hint("ExitBtn", "Close | Closes the table"),
};

constexpr CaptionText RowCzech[] = {
    Title("  Morvik : Popis "),
    Hint("StringGrid1",
         "Tabulka histogramu | Intervaly s jejich okraji, pravděpodobnosti, četnosti a distribuční "
         "funkce"),
    Hint("KontTisk", "Tabulkový procesor | Zapíše tabulku a charakteristiky do sešitu a otevře jej"),
    Hint("ExitBtn", "Zavřít | Zavře tabulku"),
};
constexpr CaptionText RowEnglish[] = {
    Title("  Morvik : Description "),
    Hint("StringGrid1",
         "Table of histogram | Intervals with their edges, probabilities, frequencies and "
         "distribution function"),
    Hint("KontTisk", "Spreadsheet | Writes the table and the characteristics to a workbook and opens it"),
    Hint("ExitBtn", "Close | Closes the table"),
};

constexpr CaptionText ControlCzech[] = {
    Hint("StringGrid1", "Kontrolní výpis | Četnosti intervalů, jak byly načteny ze souboru, a jejich součet"),
};
constexpr CaptionText ControlEnglish[] = {
    Hint("StringGrid1", "Monitoring statement | The frequencies of the intervals as read from the file, and their sum"),
};

constexpr CaptionText ListingCzech[] = {
    Title("  Morvik :   Výpis histogramu "),
    Hint("ListBox1", "Výpis souboru | Řádky souboru histogramu; kliknutí výpis zavře"),
};
constexpr CaptionText ListingEnglish[] = {
    Title("  Morvik :   Histogram description"),
    Hint("ListBox1", "File listing | The lines of the histogram file; a click closes the listing"),
};

constexpr std::array<std::string_view, 5> RowHeadingsCzech = {" Interval", "     x", " Pravděpodobnost P(x)",
                                                              "     Četnost", " Distr.funkce F(x)"};
constexpr std::array<std::string_view, 5> RowHeadingsEnglish = {" Intervals", "        x", " Probability P(x)",
                                                                "       Frequency", " Distr.function F(x)"};

}  // namespace

std::span<const CaptionText> ResultTableCaptionSet(Language language)
{
    if (language == Language::Czech) return ResultCzech;
    return ResultEnglish;
}

std::span<const CaptionText> RowTableCaptionSet(Language language)
{
    if (language == Language::Czech) return RowCzech;
    return RowEnglish;
}

std::span<const CaptionText> ControlListingCaptionSet(Language language)
{
    if (language == Language::Czech) return ControlCzech;
    return ControlEnglish;
}

std::span<const CaptionText> FileListingCaptionSet(Language language)
{
    if (language == Language::Czech) return ListingCzech;
    return ListingEnglish;
}

std::string WorkbookNotOpenedText(Language language, std::string_view path)
{
    const std::string_view text =
        language == Language::Czech
            ? "Sešit nelze otevřít: pro soubory .xlsx není k dispozici žádná aplikace.\r\n\r\nSoubor zůstává uložen "
              ":\r\n"
            : "The workbook cannot be opened: no application for .xlsx files is available.\r\n\r\nThe file stays "
              "saved :\r\n";
    return std::string(text) + std::string(path);
}

const std::array<std::string_view, 5>& RowTableHeadings(Language language)
{
    return language == Language::Czech ? RowHeadingsCzech : RowHeadingsEnglish;
}

}  // namespace morvik
