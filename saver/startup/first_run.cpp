#include "saver/startup/first_run.h"

#include "saver/settings/app_files.h"
#include "saver/settings/load_settings.h"
#include "saver/texts.h"

namespace pgw {

void FirstRunDefaults(SaverSettings& settings, const std::string& appFolder) {
  settings.Pages[0] = AppFile(appFolder, texts::kSamplePage1);
  settings.Pages[1] = AppFile(appFolder, texts::kSamplePage2);
  settings.HideScrollBars = true;
  settings.DisplaySize = texts::kFullDisplay;
  settings.WithholdSeconds = texts::kFirstRunWithhold;
  settings.RandomOrder = false;
}

void LoadStartupSettings(SaverSettings& settings, const std::string& appFolder) {
  settings.SettingsPath = AppFile(appFolder, texts::kSettingsFile);
  LoadSettings(settings);
  if (settings.Pages[0].empty()) FirstRunDefaults(settings, appFolder);
}

}  // namespace pgw
