#pragma once
// Number conversions: binary digit texts, and reading numbers the way typed text is read.

#include <optional>
#include <string>
#include <string_view>

namespace pixador {

// Binary digits, last character bit 0; any character other than '0' counts as a one.
double BitsToNumber(std::string_view text);
// Binary digits of a non-negative value, zero-padded in front to width.
std::string NumberToBits(long long value, int width);

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// The leading decimal number of text (blanks skipped, reading stops at the first character
// that cannot continue a number); 0 when there is none.
double LeadingNumber(std::string_view text);
// LeadingNumber rounded halves to even; empty when the result is outside 16 bits.
std::optional<int> ReadInt16(std::string_view text);
// LeadingNumber rounded and limited to 16 bits, for dialog boxes that correct themselves.
int ReadTypedInt(std::string_view text);

}  // namespace pixador
