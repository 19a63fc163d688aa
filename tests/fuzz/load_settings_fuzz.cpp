// Fuzz target: any bytes as pgwh.ini through the reader and the loader. Beyond not
// crashing, the loaded record must keep the loader's promises.
#include <cstddef>
#include <cstdint>
#include <string>

#include "saver/settings/background_page.h"
#include "saver/settings/load_settings.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pgw::ProfileFile file =
      pgw::ProfileFile::Parse(std::string(reinterpret_cast<const char*>(data), size));
  static pgw::SaverSettings settings;  // one record, loaded over and over as after saves
  const std::int32_t countBefore = settings.PageCount;
  pgw::LoadSettingsFrom(file, settings);

  std::int32_t entries = 0;
  for (const std::string& page : settings.Pages) {
    Require(page.find_first_of("\r\n") == std::string::npos);
    if (!page.empty()) ++entries;
  }
  Require(settings.PageCount - countBefore == entries);
  Require(settings.ExitMode == "1" || settings.ExitMode == "2");
  Require(!settings.PasswordProtection || !settings.Password.empty());
  Require(settings.ClockFontSize.empty() || settings.ClockFontSize.size() == 2);
  pgw::ColorToHtmlHex(settings.BackColor);
  settings.PageCount = 0;  // keeps the count from overflowing over millions of runs
  return 0;
}
