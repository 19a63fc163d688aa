// Every fixed text of the saver in one place: settings keys and value words,
// file names, window captions.
#pragma once

#include <array>
#include <string_view>

namespace pgw::texts {

// Files in the application folder.
inline constexpr std::string_view kSettingsFile = "pgwh.ini";
inline constexpr std::string_view kBackgroundPageFile = "empty.htm";
inline constexpr std::string_view kSamplePage1 = "htmlpgw/1.htm";
inline constexpr std::string_view kSamplePage2 = "htmlpgw/2.htm";

// Sections of the settings file.
inline constexpr std::string_view kPagesSection = "Pages";
inline constexpr std::string_view kMusicSection = "Muzika";
inline constexpr std::string_view kDisplaySection = "Display";

// Keys of the settings file.
inline constexpr std::string_view kPageKeyPrefix = "Page";
inline constexpr std::string_view kWorkOfflineKey = "WorkOffline";
inline constexpr std::string_view kMusicEnableKey = "Enable";
inline constexpr std::string_view kMusicFileKey = "File";
inline constexpr std::string_view kMusicRepeatKey = "Repeat";
inline constexpr std::string_view kMusicLoudnessKey = "Loudness";
inline constexpr std::string_view kWithholdKey = "Withold";
inline constexpr std::string_view kRandomKey = "Random";
inline constexpr std::string_view kDisplaySizeKey = "Displaysize";
inline constexpr std::string_view kBackColorKey = "Backcolor";
inline constexpr std::string_view kHideMouseKey = "Hidemouse";
inline constexpr std::string_view kExitKey = "Izlaz";
inline constexpr std::string_view kHideScrollBarsKey = "SakrijScrollBar";
inline constexpr std::string_view kClockKey = "Sat";
inline constexpr std::string_view kClockSizeKey = "Velicina sata";
inline constexpr std::string_view kClockPositionKey = "Pozicija sata";
inline constexpr std::string_view kClockBackColorKey = "Pozadina sata";
inline constexpr std::string_view kClockForeColorKey = "Brojevi sata";
inline constexpr std::string_view kClockTypeKey = "Vrsta sata";
inline constexpr std::string_view kProtectionKey = "Protection";
inline constexpr std::string_view kPasswordKey = "Password";
inline constexpr std::string_view kEffectKey = "Efekat";

// Value words. Compared exactly, letter case included.
inline constexpr std::string_view kLowerYes = "da";
inline constexpr std::string_view kCapitalYes = "Da";
inline constexpr std::string_view kCapitalNo = "Ne";
inline constexpr std::string_view kOne = "1";
inline constexpr std::string_view kTrueWord = "True";
inline constexpr std::string_view kLowerTrueWord = "true";
inline constexpr std::string_view kExitOnMove = "1";
inline constexpr std::string_view kExitByBar = "2";
inline constexpr std::string_view kFullDisplay = "Full";
inline constexpr std::string_view kFirstRunWithhold = "10";

// Clock point sizes by size index "0" to "4".
inline constexpr std::array<std::string_view, 5> kClockFontSizes = {"12", "20", "35", "40", "50"};

// Window captions.
inline constexpr std::string_view kForeignAppCaption = "PagewheelApp";
inline constexpr std::string_view kSettingsCaption = "Pagewheel settings...";
inline constexpr std::string_view kShowCaption = "PagewheelHost";
// Captions whose window keeps a second saver from starting, in the order they are tested.
inline constexpr std::array<std::string_view, 3> kSingleInstanceCaptions = {
    kForeignAppCaption, kSettingsCaption, kShowCaption};

// Run-mode words.
inline constexpr std::string_view kConfigureMode = "confpgw";
inline constexpr std::string_view kRunMode = "runpgw";
inline constexpr std::string_view kPreviewMode = "prevpgw";
inline constexpr std::string_view kOtherMode = "ostalopgw";
inline constexpr std::string_view kFirstMode = "first";

}  // namespace pgw::texts
