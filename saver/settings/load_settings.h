#pragma once

#include "saver/settings/profile_file.h"
#include "saver/settings/saver_settings.h"

namespace pgw {

// Reads the settings file named by settings.SettingsPath into `settings`. A missing or
// unreadable file is no error: every key then reads as empty. Fields the file gives
// nothing for keep their rules' defaults or, for some, the value they had; PageCount
// is added to, not reset.
void LoadSettings(SaverSettings& settings);

// The same rules applied to a profile already read.
void LoadSettingsFrom(const ProfileFile& file, SaverSettings& settings);

}  // namespace pgw
