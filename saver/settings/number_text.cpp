#include "saver/settings/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "saver/settings/blanks.h"

namespace pgw {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number at the start of `text` (no blanks), and whether it has a digit.
struct NumberSpan {
  std::size_t length = 0;
  bool hasDigits = false;
};

NumberSpan ScanNumber(std::string_view text) {
  NumberSpan span;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i, span.hasDigits = true;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, span.hasDigits = true;
  }
  if (!span.hasDigits) return span;
  span.length = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t digitsFrom = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > digitsFrom) span.length = j;
  }
  return span;
}

double ToDouble(std::string_view number) {
  std::string copy(number);  // strtod needs a terminated text
  return std::strtod(copy.c_str(), nullptr);
}

// The whole text as a number rounded half to even, when that lies in [lowest, highest].
std::optional<double> WholeNumberIn(std::string_view text, double lowest, double highest) {
  text = TrimBlanks(text);
  NumberSpan span = ScanNumber(text);
  if (!span.hasDigits || span.length != text.size()) return std::nullopt;
  double rounded = RoundHalfEven(ToDouble(text));
  if (!(rounded >= lowest && rounded <= highest)) return std::nullopt;
  return rounded;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  text = TrimBlanks(text);
  NumberSpan span = ScanNumber(text);
  return span.hasDigits ? ToDouble(text.substr(0, span.length)) : 0.0;
}

double RoundHalfEven(double value) {
  // nearbyint rounds in the current mode; the default mode is to nearest, ties to even.
  return std::nearbyint(value);
}

std::optional<std::int32_t> LeadingNumberAsInt32(std::string_view text) {
  double rounded = RoundHalfEven(LeadingNumber(text));
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  std::optional<double> number = WholeNumberIn(text, -32768.0, 32767.0);
  if (!number) return std::nullopt;
  return static_cast<std::int16_t>(*number);
}

std::optional<std::int32_t> TextToInt32(std::string_view text) {
  std::optional<double> number = WholeNumberIn(text, -2147483648.0, 2147483647.0);
  if (!number) return std::nullopt;
  return static_cast<std::int32_t>(*number);
}

}  // namespace pgw
