#include "saver/settings/background_page.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "saver/settings/app_files.h"
#include "saver/settings/number_text.h"
#include "saver/texts.h"

namespace pgw {

std::optional<std::string> ColorToHtmlHex(std::string_view color) {
  std::optional<std::int32_t> number = LeadingNumberAsInt32(color);
  if (!number) return std::nullopt;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06X", static_cast<std::uint32_t>(*number));
  // Pairs 5-6, 3-4 and 1-2: red, green, blue for a colour with red in the low byte.
  // Seven or eight digits keep only their first six.
  std::string hex(digits);
  return hex.substr(4, 2) + hex.substr(2, 2) + hex.substr(0, 2);
}

std::optional<std::string> BackgroundPageLine(std::string_view backColor) {
  std::optional<std::string> hex = ColorToHtmlHex(backColor);
  if (!hex) return std::nullopt;
  return "<html><head></head><body bgcolor='#" + *hex + "'></body></html>\r\n";
}

bool WriteBackgroundPage(const std::string& appFolder, std::string_view backColor,
                         std::string& error) {
  std::optional<std::string> line = BackgroundPageLine(backColor);
  if (!line) {
    error = "the background colour \"" + std::string(backColor) + "\" is out of range";
    return false;
  }
  const std::string path = AppFile(appFolder, texts::kBackgroundPageFile);
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  std::string_view rest = *line;
  while (!rest.empty()) {
    ssize_t wrote = ::write(fd, rest.data(), rest.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      error = path + ": " + std::strerror(errno);
      ::close(fd);
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(wrote));
  }
  if (::close(fd) != 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void DeleteBackgroundPage(const std::string& appFolder) {
  ::unlink(AppFile(appFolder, texts::kBackgroundPageFile).c_str());
}

}  // namespace pgw
