#include "saver/settings/password.h"

namespace pgw {

std::string DecodePassword(std::string_view text) {
  constexpr unsigned char kKey = 0xB3;
  std::string result(text);
  for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) ^ kKey);
  return result;
}

}  // namespace pgw
