// Conversions of the decimal texts that the settings hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pgw {

// The number that a text begins with: leading blanks are skipped, then an optional
// sign, digits, a decimal point with digits and an exponent are read up to the first
// character that does not belong to the number. A text that does not begin with a
// number gives 0.
double LeadingNumber(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// LeadingNumber rounded half to even to a 32-bit signed integer; nothing when the
// result lies outside that range.
std::optional<std::int32_t> LeadingNumberAsInt32(std::string_view text);

// The whole text (blanks around it allowed) as a 16-bit signed integer, rounded half to
// even; nothing when the text is not entirely a number or lies outside -32768..32767.
std::optional<std::int16_t> TextToInt16(std::string_view text);

// The same for the 32-bit signed range.
std::optional<std::int32_t> TextToInt32(std::string_view text);

}  // namespace pgw
