// The one settings record of a saver process.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pgw {

// Page entries are stored under the keys Page0 to Page1500.
inline constexpr int kPageSlots = 1501;

// Filled by LoadSettings at start-up and read by every window of the saver. Numeric
// options are kept as the decimal text found in the file; their users convert them.
struct SaverSettings {
  std::string SettingsPath;

  std::array<std::string, kPageSlots> Pages;
  std::int32_t PageCount = 0;
  bool WorkOffline = false;

  bool MusicEnabled = false;
  std::string MusicFile;
  std::string MusicVolume;
  std::string MusicRepeat;

  std::string WithholdSeconds;
  bool RandomOrder = false;
  std::string DisplaySize;
  std::string BackColor;
  bool HideMouse = false;
  std::string ExitMode;
  bool HideScrollBars = false;

  bool ClockEnabled = false;
  std::string ClockSizeIndex;
  std::string ClockFontSize;
  std::string ClockPosition;
  std::string ClockBackColor;
  std::string ClockForeColor;
  std::int16_t ClockType = 0;

  std::int16_t EffectCode = 0;

  bool PasswordProtection = false;
  std::string Password;

  // The entry at `index`; an index outside the record reads as an empty entry.
  const std::string& Page(long long index) const;
};

}  // namespace pgw
