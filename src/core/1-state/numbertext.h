#pragma once

// How typed text becomes a number and how numbers become field text. Installers' values have
// always been read and shown this way, so stored projects and printed sheets depend on it.

#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// The leading number of a text: blanks, tabs and line feeds are ignored, reading stops at the
// first character that cannot continue a number ("12/5" reads 12, "1.2.3" reads 1.2, "abc"
// and "" read 0). An exponent ("1e3", "2D2") is understood. Never throws; a number too large
// for a double reads as infinity, so callers that store it must check it.
double leadingNumber(std::string_view text);
// The same, or nothing when the text does not start with a number at all ("", "...", "abc"),
// for a field where a value of 0 means something.
std::optional<double> leadingNumberIfAny(std::string_view text);

// True when the whole text (blanks around it aside) is one number: "14", "-2.5", "1e3".
bool isNumeric(std::string_view text);

// A double narrowed to a 32-bit float; beyond the float range it becomes infinity rather
// than an undefined conversion.
float toSingle(double value);

// Round to the nearest whole number, halves to the even neighbour (80.5 gives 80).
double roundHalfEven(double value);

// Format with a digit pattern of '0' (digit always shown) and '#' (digit shown when
// significant) around an optional '.': "0", "0.0", "0.00", "###.#". Rounds half away from
// zero on the value's 15 significant decimal digits. A value that rounds to zero is shown
// without a minus sign.
std::string formatNumber(double value, std::string_view pattern);

// A whole number rounded half to even, as integer text ("100").
std::string formatWhole(double value);

// A single-precision value written in full: up to 7 significant digits, no trailing zeros,
// exponent form ("1.234568E+08") outside the range a plain number can show.
std::string formatSingle(float value);

// A double written so that the 32-bit value it came from reads back exactly (9 significant
// digits), for machine-readable output.
std::string formatRoundTrip(float value);

// A character typed into a number field, as the field's text holds it: digits stay, the full
// stop and the user's decimal separator (the comma of a German or French desktop) are the
// decimal point "."; "/" stays where the field takes fractions. Anything else cannot be part of
// the number and gives nothing: the field refuses it rather than join it to the digits, so
// "10,5" is never read as 105. The field's text, and so files and the command line, always
// carry ".".
std::optional<char> numberKey(char32_t typed, char32_t decimalSeparator, bool fractions);

} // namespace lumidex
