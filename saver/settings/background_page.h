// The background page empty.htm: a page in the background colour, which the show loads
// behind every change of entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pgw {

// Six upper-case hexadecimal digits in HTML order (red, green, blue) for a colour held
// as decimal text with red in the low byte. Nothing when the number lies outside the
// 32-bit signed range.
std::optional<std::string> ColorToHtmlHex(std::string_view color);

// The one line of the background page for `backColor`, with its CR LF.
std::optional<std::string> BackgroundPageLine(std::string_view backColor);

// Appends the line of the background page to empty.htm in `appFolder`, creating the
// file when it is missing. Returns false, with the reason in `error`, when the colour
// cannot be converted or the file cannot be opened or written.
bool WriteBackgroundPage(const std::string& appFolder, std::string_view backColor,
                         std::string& error);

// Deletes empty.htm in `appFolder`; a missing file or a refusal is ignored.
void DeleteBackgroundPage(const std::string& appFolder);

}  // namespace pgw
