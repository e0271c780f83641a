#pragma once

// Names for the catalogue's message numbers that the code asks for, so that a call reads as what it shows:
// TextCis(msg::TotalRowCaption) rather than TextCis(127). Numbers not named here are still valid catalogue
// entries; name one when code starts to use it.
namespace morvik::msg {

inline constexpr int ConfirmationTitle = 1;         // the title of a question box
inline constexpr int DefaultHistogramName = 5;      // the save dialog's file name when nothing is named
inline constexpr int OverwriteQuestion = 21;        // "... exists, overwrite?" with the path
inline constexpr int WriteError = 22;               // "Write error ! File %s"
inline constexpr int DefaultValuesQuestion = 26;   // use the original default values?
inline constexpr int EmptyReOpenQuestion = 27;      // empty the ReOpen stack?
inline constexpr int CloseQuestion = 33;            // close the program?
inline constexpr int ValueQueryHint = 40;           // the status hint of the value query field
inline constexpr int QuantileQueryHint = 41;        // the status hint of the quantile query field
inline constexpr int DefaultResultsName = 43;       // the results report's default file name
inline constexpr int CharacteristicsTitle = 79;     // the title of the characteristics dialog
inline constexpr int TotalRowCaption = 127;         // the caption of an interval table's total row
inline constexpr int ParametricGridHelp = 154;      // what the parametric window's characteristics mean
inline constexpr int ParametricValueAxis = 208;     // the parametric chart's bottom-axis title for values

}  // namespace morvik::msg
