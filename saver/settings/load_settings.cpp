#include "saver/settings/load_settings.h"

#include <bitset>

#include "saver/settings/number_text.h"
#include "saver/settings/password.h"
#include "saver/texts.h"

namespace pgw {

using namespace texts;

namespace {

// The index that a key of the form Page<index> names (the letters in any case, the
// index in decimal without leading zeros), or -1 for any other key.
int PageIndexOf(std::string_view key) {
  const std::size_t prefix = kPageKeyPrefix.size();
  if (key.size() <= prefix || key.size() > prefix + 4) return -1;
  if (!SameIgnoringCase(key.substr(0, prefix), kPageKeyPrefix)) return -1;
  std::string_view digits = key.substr(prefix);
  if (digits.size() > 1 && digits[0] == '0') return -1;
  int index = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  return index < kPageSlots ? index : -1;
}

}  // namespace

void LoadSettings(SaverSettings& settings) {
  LoadSettingsFrom(ProfileFile::Read(settings.SettingsPath), settings);
}

void LoadSettingsFrom(const ProfileFile& file, SaverSettings& s) {
  // Entries Page0 to Page1500 in one pass over [Pages]: the first key for an index counts,
  // even when its value is empty; an empty value leaves the entry as it was.
  std::bitset<kPageSlots> seen;
  for (const ProfileFile::Entry& entry : file.Entries(kPagesSection)) {
    int index = PageIndexOf(entry.key);
    if (index < 0 || seen[static_cast<std::size_t>(index)]) continue;
    seen[static_cast<std::size_t>(index)] = true;
    if (!entry.value.empty()) s.Pages[static_cast<std::size_t>(index)] = entry.value;
  }
  for (const std::string& page : s.Pages) {
    if (!page.empty()) ++s.PageCount;
  }
  s.WorkOffline = file.Value(kPagesSection, kWorkOfflineKey) == kLowerYes;

  s.MusicFile = file.Value(kMusicSection, kMusicFileKey);
  s.MusicVolume = file.Value(kMusicSection, kMusicLoudnessKey);
  s.MusicRepeat = file.Value(kMusicSection, kMusicRepeatKey);
  s.MusicEnabled = file.Value(kMusicSection, kMusicEnableKey) == kOne;

  auto display = [&file](std::string_view name) { return file.Value(kDisplaySection, name); };
  s.WithholdSeconds = display(kWithholdKey);
  s.BackColor = display(kBackColorKey);
  if (std::string_view random = display(kRandomKey); random == kCapitalYes) {
    s.RandomOrder = true;
  } else if (random == kCapitalNo) {
    s.RandomOrder = false;
  }
  s.DisplaySize = display(kDisplaySizeKey);
  std::string_view hideMouse = display(kHideMouseKey);
  s.HideMouse = hideMouse == kTrueWord || hideMouse.empty();
  s.ExitMode = display(kExitKey);
  if (s.ExitMode != kExitOnMove && s.ExitMode != kExitByBar) s.ExitMode = kExitOnMove;
  s.HideScrollBars = display(kHideScrollBarsKey) == kLowerYes;
  s.ClockEnabled = display(kClockKey) == kOne;

  s.ClockSizeIndex = display(kClockSizeKey);
  s.ClockPosition = display(kClockPositionKey);
  s.ClockBackColor = display(kClockBackColorKey);
  s.ClockForeColor = display(kClockForeColorKey);
  if (s.ClockSizeIndex.size() == 1 && s.ClockSizeIndex[0] >= '0' && s.ClockSizeIndex[0] <= '4') {
    s.ClockFontSize = kClockFontSizes[static_cast<std::size_t>(s.ClockSizeIndex[0] - '0')];
  }

  // A clock type or effect that is not a 16-bit number keeps its default.
  std::string_view clockType = display(kClockTypeKey);
  s.ClockType = clockType.empty() ? 1 : TextToInt16(clockType).value_or(1);
  if (std::string_view effect = display(kEffectKey); !effect.empty()) {
    s.EffectCode = TextToInt16(effect).value_or(s.EffectCode);
  }

  if (display(kProtectionKey) == kLowerTrueWord) s.PasswordProtection = true;
  s.Password = DecodePassword(display(kPasswordKey));
  if (s.Password.empty()) s.PasswordProtection = false;
}

}  // namespace pgw
