#pragma once

// The keys the windows' number fields are given, as the characters the Qt layer passes on.

namespace lumidex {

inline constexpr char KeyBackspace = 8;
inline constexpr char KeyEnter = 13;

// What a screen size or distance field takes as typed: the digits, the decimal point and the
// slash the fields have always let through (the number is read up to it).
inline constexpr bool isSizeFieldKey(char key)
{
    return key == '.' || key == '/' || (key >= '0' && key <= '9');
}

// What a Brightness and Seating field takes: a plain decimal number.
inline constexpr bool isDecimalKey(char key)
{
    return key == '.' || (key >= '0' && key <= '9');
}

} // namespace lumidex
