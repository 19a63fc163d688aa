// Readable names for the rows of a test table.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace pgw::test {

// The row's number and its text, with every character that may not stand in a test
// name turned into "_".
inline std::string CaseName(std::size_t index, std::string_view text) {
  std::string name = std::to_string(index) + "_";
  for (char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

}  // namespace pgw::test
