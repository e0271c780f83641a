#pragma once
#include <string>

namespace morvik {

// The one place where the program turns numbers into texts. Every text here reads back with prevod_doub.

// Display text: 6 significant digits with trailing zeros kept and no trailing point
// ("0.00000", "20.0855", "999999", "1.00000E+06"); an undefined value (NaN) gives " undefined".
std::string StrNaCarku(double x);
// Listing text: up to 10 significant digits without trailing zeros.
std::string StrNaCarku1(double x);
// Probability text: up to 10 significant digits without trailing zeros.
std::string TiskPrv(long double p);
// Frequency text: a whole number (or a value with 2 decimals when it is not whole) right-aligned in `width`;
// never cut. A value within 1e-9 relative of a whole number counts as that whole number.
std::string TCetnost(int width, double x);
// Axis label of the bar at value x (probability p): up to 6 significant digits without trailing zeros.
std::string StrBottomGraf(double p, double x);
// The shortest text that reads back to the same double.
std::string ShortestText(double x);
// `text` right-aligned in `width` characters (counting UTF-8 code points); never cut.
std::string PadLeft(const std::string& text, int width);
// `text` followed by blanks up to `width` characters (counting UTF-8 code points).
std::string PadRight(const std::string& text, int width);

// The undefined-moment marker.
double UndefinedValue();
bool IsUndefined(double x);

}  // namespace morvik
