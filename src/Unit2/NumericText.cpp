// The numeric texts of the edit boxes: check, conversions and general form.
#include "Unit2/NumericText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "Unit2/Failure.h"

namespace varno {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSeparator(char c) {
    return c == '.' || c == ',';
}

[[noreturn]] void ThrowNotFloatingPoint(std::string_view text) {
    throw Failure("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

bool IsNumericText(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    if (text.front() == '-') {
        if (text.size() == 1) {
            return false;
        }
        text.remove_prefix(1);
    }
    bool separatorSeen = false;
    for (const char c : text) {
        if (IsSeparator(c)) {
            if (separatorSeen) {
                return false;
            }
            separatorSeen = true;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    // from_chars takes a leading "-" but never "+" or blanks, exactly the accepted form.
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::int32_t ToWholeNumber(std::string_view text) {
    if (const auto value = ParseWholeNumber(text)) {
        return *value;
    }
    throw Failure("'" + std::string(text) + "' is not a valid integer value");
}

double ToFloatingPoint(std::string_view text, char decimalSeparator) {
    const std::string_view unsignedPart = text.starts_with('-') ? text.substr(1) : text;
    bool separatorSeen = false;
    bool digitSeen = false;
    bool wholeDigitNotZero = false;  // a digit above 0 before the separator: the value is >= 1
    for (const char c : unsignedPart) {
        if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else if (IsDigit(c)) {
            digitSeen = true;
            wholeDigitNotZero = wholeDigitNotZero || (!separatorSeen && c != '0');
        } else {
            ThrowNotFloatingPoint(text);
        }
    }
    if (!digitSeen) {
        ThrowNotFloatingPoint(text);
    }

    // from_chars reads "." only, whatever the locale.
    std::string pointed(text);
    for (char& c : pointed) {
        if (c == decimalSeparator) {
            c = '.';
        }
    }
    double value = 0.0;
    const char* const end = pointed.data() + pointed.size();
    const auto [stop, error] =
        std::from_chars(pointed.data(), end, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range && !wholeDigitNotZero) {
        // Below the smallest denormal: the nearest double is a zero.
        return text.starts_with('-') ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != end) {
        ThrowNotFloatingPoint(text);
    }
    return value;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0";
    }

    // "d.dddddddddddddde-XXX": 15 significant digits, correctly rounded.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(), written.ptr);
    const bool negative = scientific.front() == '-';
    const std::string_view unsignedPart = scientific.substr(negative ? 1 : 0);
    const std::size_t ePosition = unsignedPart.find('e');

    std::string digits;
    for (const char c : unsignedPart.substr(0, ePosition)) {
        if (c != '.') {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const std::string_view exponentText = unsignedPart.substr(ePosition + 1);
    int exponent = 0;  // the decimal exponent of the rounded value: d.ddd x 10^exponent
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            text += '0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= wholeCount) {
                text += digits;
                text.append(wholeCount - digits.size(), '0');
            } else {
                text += digits.substr(0, wholeCount);
                text += decimalSeparator;
                text += digits.substr(wholeCount);
            }
        }
        return text;
    }
    text += digits.front();
    if (digits.size() > 1) {
        text += decimalSeparator;
        text += digits.substr(1);
    }
    text += 'E';
    if (exponent < 0) {
        text += '-';
    }
    text += std::to_string(std::abs(exponent));
    return text;
}

}  // namespace varno
