#include "saver/settings/load_settings.h"

#include <charconv>

#include "saver/settings/number_text.h"
#include "saver/settings/password.h"
#include "saver/texts.h"

namespace pgw {

using namespace texts;

void LoadSettings(SaverSettings& settings) {
  LoadSettingsFrom(ProfileFile::Read(settings.SettingsPath), settings);
}

void LoadSettingsFrom(const ProfileFile& file, SaverSettings& s) {
  char key[16];
  const std::size_t prefix = kPageKeyPrefix.copy(key, sizeof key);
  for (int index = 0; index < kPageSlots; ++index) {
    char* end = std::to_chars(key + prefix, key + sizeof key, index).ptr;
    std::string_view value =
        file.Value(kPagesSection, std::string_view(key, static_cast<std::size_t>(end - key)));
    std::string& page = s.Pages[static_cast<std::size_t>(index)];
    if (!value.empty()) page = value;
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
