// The numeric texts of the edit boxes: the check that guards them, their conversions, and
// the general form in which the angle edit shows a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varno {

// True for an optional leading "-" followed by at least one character, every one a digit or
// a decimal separator ("." or ","), with at most one separator in all. So "-.5", "5." and
// even "." pass, while "+1", "1e5", "1.2.3" and any blank fail.
bool IsNumericText(std::string_view text);

// An optional "-" and decimal digits within signed 32 bits ("0012" is 12, "-0" is 0), or
// nothing. The settings reader uses it where a bad number is no failure.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// ParseWholeNumber for an edit box: throws Failure "'TEXT' is not a valid integer value".
std::int32_t ToWholeNumber(std::string_view text);

// An optional "-" and digits with at most one separator, which must be decimalSeparator, and
// at least one digit; the correctly rounded double. A value too small for a double reads as a
// zero of its sign. Anything else, and a value beyond the double range, throws Failure
// "'TEXT' is not a valid floating point value".
double ToFloatingPoint(std::string_view text, char decimalSeparator);

// The general form of a number as the angle edit shows it: rounded to 15 significant digits,
// without trailing zeros, in fixed notation for 0 and for 1E-5 <= |value| < 1E15 (judged after
// the rounding), otherwise as mantissa, "E" and exponent ("1E15", "1,5E-7", "-2.5E300").
// NaN is "NAN", the infinities "INF" and "-INF", and -0 is "0".
std::string FormatGeneral(double value, char decimalSeparator);

}  // namespace varno
