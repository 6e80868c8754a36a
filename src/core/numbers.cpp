#include "core/numbers.h"

#include <cmath>
#include <cstdlib>

namespace pixador {

double BitsToNumber(std::string_view text)
{
    double value = 0;
    double weight = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[text.size() - 1 - i] != '0') value += weight;
        weight *= 2;
    }
    return value;
}

std::string NumberToBits(long long value, int width)
{
    std::string digits;
    for (unsigned long long v = value < 0 ? 0 : static_cast<unsigned long long>(value); v; v >>= 1)
        digits.insert(digits.begin(), static_cast<char>('0' + (v & 1)));
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

double RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        bool expDigits = false;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    // Overflow gives an infinity, which the callers treat as out of range.
    return std::strtod(number.c_str(), nullptr);
}

std::optional<int> ReadInt16(std::string_view text)
{
    const double v = RoundHalfEven(LeadingNumber(text));
    if (v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

int ReadTypedInt(std::string_view text)
{
    const double v = RoundHalfEven(LeadingNumber(text));
    if (v < -32768) return -32768;
    if (v > 32767) return 32767;
    return static_cast<int>(v);
}

}  // namespace pixador
