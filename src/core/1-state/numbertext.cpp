#include "1-state/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace lumidex {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal digits of |value| rounded to `significant` digits, with the exponent of the first
// digit: value = 0.d1d2d3... x 10^(exponent + 1).
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double magnitude, int significant)
{
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                             std::chars_format::scientific, significant - 1);
    std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    Decimal d;
    const auto e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (isDigit(c))
            d.digits.push_back(c);
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    return d;
}

} // namespace

double leadingNumber(std::string_view text)
{
    return leadingNumberIfAny(text).value_or(0.0);
}

std::optional<double> leadingNumberIfAny(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c))
            clean.push_back(c);
    }

    std::string number;
    std::size_t i = 0;
    if (i < clean.size() && (clean[i] == '+' || clean[i] == '-')) {
        if (clean[i] == '-')
            number.push_back('-');
        ++i;
    }
    bool anyDigit = false;
    while (i < clean.size() && isDigit(clean[i])) {
        number.push_back(clean[i++]);
        anyDigit = true;
    }
    if (i < clean.size() && clean[i] == '.') {
        if (!anyDigit)
            number.push_back('0'); // ".5" reads as 0.5
        number.push_back('.');
        ++i;
        while (i < clean.size() && isDigit(clean[i])) {
            number.push_back(clean[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < clean.size() &&
        (clean[i] == 'e' || clean[i] == 'E' || clean[i] == 'd' || clean[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < clean.size() && (clean[j] == '+' || clean[j] == '-'))
            exponent.push_back(clean[j++]);
        bool expDigit = false;
        while (j < clean.size() && isDigit(clean[j])) {
            exponent.push_back(clean[j++]);
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
    }

    double value = 0.0;
    const char *first = number.data();
    const char *last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched on overflow; tell huge from tiny by the exponent.
        const auto e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        const bool negative = number.front() == '-';
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative)
            value = -value;
    }
    (void)ptr;
    return value;
}

bool isNumeric(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = text.find_last_not_of(" \t");
    std::string_view t = text.substr(first, last - first + 1);
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-')
        ++i;
    bool digits = false;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        bool expDigits = false;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    return i == t.size() && std::isfinite(leadingNumber(t));
}

float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

double roundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(value);
}

std::string formatNumber(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");

    const auto point = pattern.find('.');
    const std::string_view intPart = pattern.substr(0, point);
    const std::string_view fracPart =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    int intMin = 0;
    for (char c : intPart)
        intMin += c == '0';
    int fracMin = 0;
    for (char c : fracPart)
        fracMin += c == '0';
    const int fracMax = static_cast<int>(fracPart.size());

    Decimal d = toDecimal(std::fabs(value), 15);
    if (d.digits.find_first_not_of('0') == std::string::npos)
        d = {"0", 0};

    // Round at fracMax decimals, half away from zero.
    const int keep = d.exponent + 1 + fracMax;
    if (keep < 0) {
        d = {"0", 0};
    } else if (keep < static_cast<int>(d.digits.size())) {
        const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
        d.digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int k = keep - 1;
            while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9')
                d.digits[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) {
                ++d.digits[static_cast<std::size_t>(k)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            }
        }
        if (d.digits.empty())
            d = {"0", 0};
    }

    // Split into whole and fraction digits.
    std::string whole;
    std::string fraction;
    const int wholeCount = d.exponent + 1;
    for (int k = 0; k < wholeCount; ++k)
        whole.push_back(
            k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k)] : '0');
    for (int k = wholeCount; k < wholeCount + fracMax; ++k)
        fraction.push_back(k >= 0 && k < static_cast<int>(d.digits.size())
                               ? d.digits[static_cast<std::size_t>(k)]
                               : '0');

    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string{} : whole.substr(firstNonZero);
    while (static_cast<int>(whole.size()) < intMin)
        whole.insert(whole.begin(), '0');
    while (static_cast<int>(fraction.size()) > fracMin && fraction.back() == '0')
        fraction.pop_back();

    const bool nonZero = whole.find_first_not_of('0') != std::string::npos ||
                         fraction.find_first_not_of('0') != std::string::npos;
    std::string out = (value < 0 && nonZero) ? "-" : "";
    out += whole;
    if (point != std::string_view::npos)
        out += '.' + fraction;
    return out;
}

std::string formatWhole(double value)
{
    if (!std::isfinite(value))
        return formatNumber(value, "0");
    return formatNumber(roundHalfEven(value), "0");
}

std::string formatSingle(float value)
{
    if (!std::isfinite(value))
        return formatNumber(value, "0");
    if (value == 0.0f)
        return "0";
    Decimal d = toDecimal(std::fabs(static_cast<double>(value)), 7);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= -4 && d.exponent < 7) {
        if (d.exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += d.digits;
        } else if (d.exponent + 1 >= n) {
            out += d.digits;
            out.append(static_cast<std::size_t>(d.exponent + 1 - n), '0');
        } else {
            out += d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
            out += '.';
            out += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
        }
        return out;
    }
    out += d.digits.substr(0, 1);
    if (n > 1)
        out += '.' + d.digits.substr(1);
    std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2)
        exponent.insert(0, 1, '0');
    out += d.exponent < 0 ? "E-" : "E+";
    out += exponent;
    return out;
}

std::string formatRoundTrip(float value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 32> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<double>(value),
                             std::chars_format::general, 9);
    return std::string(buf.data(), res.ptr);
}

std::optional<char> numberKey(char32_t typed, char32_t decimalSeparator, bool fractions)
{
    if (typed >= U'0' && typed <= U'9')
        return static_cast<char>(typed);
    if (typed == U'.' || typed == decimalSeparator)
        return '.';
    if (typed == U'/' && fractions)
        return '/';
    return std::nullopt;
}

} // namespace lumidex
