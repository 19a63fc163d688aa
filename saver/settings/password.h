#pragma once

#include <string>
#include <string_view>

namespace pgw {

// Scrambles a password for the settings file, and unscrambles it again: every byte is
// combined with the key 0xB3 by exclusive or, so applying it twice gives the text back.
std::string DecodePassword(std::string_view text);

}  // namespace pgw
