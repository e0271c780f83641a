#pragma once

// Names for the catalogue's message numbers that the code asks for, so that a call reads as what it shows:
// TextCis(msg::TotalRowCaption) rather than TextCis(127). Numbers not named here are still valid catalogue
// entries; name one when code starts to use it.
namespace morvik::msg {

inline constexpr int ConfirmationTitle = 1;                    // the title of a question box
inline constexpr int DefaultHistogramName = 5;                 // the save dialog's file name when nothing is named
inline constexpr int MissingBinsKeyword = 13;                  // the histogram file has no [Bins] line
inline constexpr int MissingKeywords = 14;                     // one of Min, Max, Bins, Total is missing
inline constexpr int InvalidNumber = 20;                       // a field holds no valid number; the text follows
inline constexpr int OverwriteQuestion = 21;                   // "... exists, overwrite?" with the path
inline constexpr int WriteError = 22;                          // "Write error ! File %s"
inline constexpr int ZeroMultiple = 23;                        // the multiple A is zero
inline constexpr int TinyMultiple = 24;                        // |A| below 0.0001
inline constexpr int DefaultValuesQuestion = 26;               // use the original default values?
inline constexpr int EmptyReOpenQuestion = 27;                 // empty the ReOpen stack?
inline constexpr int CloseQuestion = 33;                       // close the program?
inline constexpr int FoldersMessage = 34;                      // the folders message with its five paths
inline constexpr int InvalidMinValue = 35;                     // the histogram's Min is not a number; the line follows
inline constexpr int InvalidMaxValue = 36;                     // the histogram's Max is not a number; the line follows
inline constexpr int InvalidBinsValue = 37;                    // the interval count is not valid; the line follows
inline constexpr int InvalidTotalValue = 38;                   // the frequency total is not valid; the line follows
inline constexpr int ValueQueryHint = 40;                      // the status hint of the value query field
inline constexpr int QuantileQueryHint = 41;                   // the status hint of the quantile query field
inline constexpr int DefaultResultsName = 43;                  // the results report's default file name
inline constexpr int ReportHeading = 44;                       // the results report's first heading
inline constexpr int ReportMultipleLine = 45;                  // the report's "Multiple x :" line
inline constexpr int ReportDateLine = 46;                      // the report's "Date :" line
inline constexpr int ReOpenMultipleHeading = 50;               // the ReOpen table's multiple column
inline constexpr int ReOpenBinsHeading = 51;                   // the ReOpen table's interval-count column
inline constexpr int ReOpenFolderHeading = 52;                 // the ReOpen table's folder column
inline constexpr int AbsoluteValueNote = 60;                   // the title note of a histogram in absolute value
inline constexpr int VersionCaption = 62;                      // "Version"
inline constexpr int TooFewToSum = 64;                         // a summation needs two histograms or more
inline constexpr int InvalidWeight = 66;                       // a weight is not a number
inline constexpr int InvalidMultiple = 67;                     // a multiple is not a number
inline constexpr int MissingMultiplesQuestion = 69;            // multiples missing: take 1.0?
inline constexpr int ZeroMultipleInTable = 70;                 // a multiple in a table is zero
inline constexpr int MissingWeights = 71;                      // a weight is missing or not above zero
inline constexpr int TooFewToCombine = 74;                     // a combination needs two histograms or more
inline constexpr int CharacteristicsTitle = 79;                // the title of the characteristics dialog
inline constexpr int BasicHeading = 81;                        // "B a s i c" before the characteristics
inline constexpr int BinsOutOfRange = 88;                      // the interval count is outside 3 .. the limit
inline constexpr int EpsNotPositive = 97;                      // Eps is not above zero
inline constexpr int EpsOutOfRange = 98;                       // Eps is outside (1E-8, 1)
inline constexpr int NotAValidNumber = 99;                     // a field of a table or form holds no valid number
inline constexpr int TotalRowCaption = 127;                    // the caption of an interval table's total row
inline constexpr int HelpFileMissing = 128;                    // "Directory for file Help no exist !" with the path
inline constexpr int PureDiscreteNeedsWholeMultiple = 130;     // a Pure Discrete histogram takes whole multiples only
inline constexpr int GenerationError = 139;                    // a parametric generation failed; the type follows
inline constexpr int DivisionByZero = 140;                     // division by zero
inline constexpr int Overflow = 141;                           // a real number overflowed
inline constexpr int UndefinedOperation = 143;                 // an undefined floating-point operation
inline constexpr int ParametricGroupCaption = 151;             // "Param.distribution : "
inline constexpr int ParametricGridHelp = 154;                 // what the parametric window's characteristics mean
inline constexpr int ValueAxisTitle = 157;                     // "Value x", the bottom-axis title
inline constexpr int DistributionValueAxis = 158;              // "Value x" under the distribution function
inline constexpr int DistributionFunctionAxis = 159;           // "Value F(x)", the distribution function's left axis
inline constexpr int ParametricValueAxis = 208;                // the parametric chart's bottom-axis title for values
inline constexpr int TooFewIntervalsForCharacteristics = 215;  // characteristics need three intervals or more
inline constexpr int InvalidParameter = 501;                   // a parameter is not a number
inline constexpr int SpecifiedParameter = 502;                 // "Specified parameter "
inline constexpr int ParameterWord = 503;                      // "Parameter "
inline constexpr int NotPositiveSuffix = 504;                  // " none > 0 !"
inline constexpr int ConditionNotMet = 505;                    // "No condition : ", the failed condition follows
inline constexpr int ParameterOverflow = 506;                  // a parameter's constant overflowed
inline constexpr int UnusableParameters = 507;                 // the distribution cannot take these parameters
inline constexpr int ZeroConstant = 508;                       // division by zero, constant C = 0
inline constexpr int ConditionFailed = 509;                    // "Condition not met ", the condition follows

}  // namespace morvik::msg
