#pragma once

#include <string>

#include "saver/settings/saver_settings.h"

namespace pgw {

// Puts the two sample pages from `appFolder` into entries 0 and 1 and sets the first-run
// display values. PageCount and every other field stay as they are.
void FirstRunDefaults(SaverSettings& settings, const std::string& appFolder);

// Start-up's settings: SettingsPath set to pgwh.ini in `appFolder`, the file loaded, and
// the first-run defaults applied when the first entry is empty.
void LoadStartupSettings(SaverSettings& settings, const std::string& appFolder);

}  // namespace pgw
