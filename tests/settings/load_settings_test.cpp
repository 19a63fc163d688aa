#include "saver/settings/load_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "saver/settings/password.h"
#include "tests/support/temp_folder.h"

namespace pgw {
namespace {

SaverSettings LoadText(const std::string& text, SaverSettings settings = {}) {
  LoadSettingsFrom(ProfileFile::Parse(text), settings);
  return settings;
}

void ExpectMissingFileDefaults(const SaverSettings& s) {
  for (const std::string& page : s.Pages) EXPECT_EQ(page, "");
  EXPECT_EQ(s.PageCount, 0);
  EXPECT_FALSE(s.WorkOffline);
  EXPECT_FALSE(s.MusicEnabled);
  EXPECT_FALSE(s.RandomOrder);
  EXPECT_FALSE(s.HideScrollBars);
  EXPECT_FALSE(s.ClockEnabled);
  EXPECT_FALSE(s.PasswordProtection);
  EXPECT_TRUE(s.HideMouse);
  EXPECT_EQ(s.ExitMode, "1");
  EXPECT_EQ(s.ClockType, 1);
  EXPECT_EQ(s.EffectCode, 0);
  for (const std::string* text :
       {&s.MusicFile, &s.MusicVolume, &s.MusicRepeat, &s.WithholdSeconds, &s.DisplaySize,
        &s.BackColor, &s.ClockSizeIndex, &s.ClockFontSize, &s.ClockPosition, &s.ClockBackColor,
        &s.ClockForeColor, &s.Password}) {
    EXPECT_EQ(*text, "");
  }
}

TEST(LoadSettings, MissingFileGivesTheDefaults) {
  test::TempFolder folder;
  SaverSettings s;
  s.SettingsPath = folder.File("pgwh.ini");
  LoadSettings(s);
  ExpectMissingFileDefaults(s);
}

TEST(LoadSettings, EmptyAndGarbageFilesGiveTheDefaults) {
  std::mt19937 random(7);
  std::string garbage(64 * 1024, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  for (const std::string& text : {std::string(), std::string("\0\0\0", 3), garbage}) {
    SCOPED_TRACE(text.size());
    ExpectMissingFileDefaults(LoadText(text));
  }
}

// Every field of a file as the settings window writes it.
TEST(LoadSettings, ReadsAWrittenFile) {
  const std::string text =
      "[Pages]\r\nPage0=/home/ana/a.htm\r\nPage1=http://example.org/\r\nWorkOffline=da\r\n"
      "[Muzika]\r\nEnable=1\r\nFile=/home/ana/m.mp3\r\nRepeat=3\r\nLoudness=2000\r\n"
      "[Display]\r\nWithold=15\r\nRandom=Da\r\nDisplaysize=800x600\r\nBackcolor=255\r\n"
      "Hidemouse=False\r\nIzlaz=2\r\nSakrijScrollBar=da\r\nSat=1\r\nVelicina sata=2\r\n"
      "Pozicija sata=3\r\nPozadina sata=0\r\nBrojevi sata=16777215\r\nVrsta sata=4\r\n"
      "Protection=true\r\nPassword=" +
      DecodePassword("secret") + "\r\nEfekat=9\r\n";
  SaverSettings s = LoadText(text);
  EXPECT_EQ(s.Pages[0], "/home/ana/a.htm");
  EXPECT_EQ(s.Pages[1], "http://example.org/");
  EXPECT_EQ(s.Pages[2], "");
  EXPECT_EQ(s.PageCount, 2);
  EXPECT_TRUE(s.WorkOffline);
  EXPECT_TRUE(s.MusicEnabled);
  EXPECT_EQ(s.MusicFile, "/home/ana/m.mp3");
  EXPECT_EQ(s.MusicRepeat, "3");
  EXPECT_EQ(s.MusicVolume, "2000");
  EXPECT_EQ(s.WithholdSeconds, "15");
  EXPECT_TRUE(s.RandomOrder);
  EXPECT_EQ(s.DisplaySize, "800x600");
  EXPECT_EQ(s.BackColor, "255");
  EXPECT_FALSE(s.HideMouse);
  EXPECT_EQ(s.ExitMode, "2");
  EXPECT_TRUE(s.HideScrollBars);
  EXPECT_TRUE(s.ClockEnabled);
  EXPECT_EQ(s.ClockSizeIndex, "2");
  EXPECT_EQ(s.ClockFontSize, "35");
  EXPECT_EQ(s.ClockPosition, "3");
  EXPECT_EQ(s.ClockBackColor, "0");
  EXPECT_EQ(s.ClockForeColor, "16777215");
  EXPECT_EQ(s.ClockType, 4);
  EXPECT_TRUE(s.PasswordProtection);
  EXPECT_EQ(s.Password, "secret");
  EXPECT_EQ(s.EffectCode, 9);
}

// One rule of the loader: the settings before the load, the file, and what must hold after.
struct RuleCase {
  std::string name;
  std::string file;
  std::function<void(SaverSettings&)> before;
  std::function<void(const SaverSettings&)> check;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << c.name;
}

class LoaderRules : public testing::TestWithParam<RuleCase> {};

TEST_P(LoaderRules, Hold) {
  const RuleCase& c = GetParam();
  SaverSettings s;
  if (c.before) c.before(s);
  LoadSettingsFrom(ProfileFile::Parse(c.file), s);
  c.check(s);
}

auto Display(const std::string& lines) {
  return "[Display]\r\n" + lines + "\r\n";
}

std::vector<RuleCase> RuleCases() {
  std::vector<RuleCase> cases = {
      {"OfflineOnlyForLowerDa", "[Pages]\r\nWorkOffline=Da\r\n", nullptr,
       [](auto& s) { EXPECT_FALSE(s.WorkOffline); }},
      {"MusicEnableOnlyForOne", "[Muzika]\r\nEnable=yes\r\n", nullptr,
       [](auto& s) { EXPECT_FALSE(s.MusicEnabled); }},
      {"RandomLowerDaLeavesFalse", Display("Random=da"), nullptr,
       [](auto& s) { EXPECT_FALSE(s.RandomOrder); }},
      {"RandomNeClears", Display("Random=Ne"), [](auto& s) { s.RandomOrder = true; },
       [](auto& s) { EXPECT_FALSE(s.RandomOrder); }},
      {"RandomOtherWordKeeps", Display("Random=yes"), [](auto& s) { s.RandomOrder = true; },
       [](auto& s) { EXPECT_TRUE(s.RandomOrder); }},
      {"RandomMissingKeeps", Display("Sat=1"), [](auto& s) { s.RandomOrder = true; },
       [](auto& s) { EXPECT_TRUE(s.RandomOrder); }},
      {"HidemouseLowerTrueIsFalse", Display("Hidemouse=true"), nullptr,
       [](auto& s) { EXPECT_FALSE(s.HideMouse); }},
      {"HidemouseEmptyIsTrue", Display("Hidemouse="), nullptr,
       [](auto& s) { EXPECT_TRUE(s.HideMouse); }},
      {"HidemouseQuotedTrue", Display("Hidemouse=\"True\""), nullptr,
       [](auto& s) { EXPECT_TRUE(s.HideMouse); }},
      {"ExitThreeIsOne", Display("Izlaz=3"), nullptr, [](auto& s) { EXPECT_EQ(s.ExitMode, "1"); }},
      {"ExitWithBlanksIsTrimmed", Display("Izlaz= 2 "), nullptr,
       [](auto& s) { EXPECT_EQ(s.ExitMode, "2"); }},
      {"ScrollBarsOnlyForLowerDa", Display("SakrijScrollBar=DA"), nullptr,
       [](auto& s) { EXPECT_FALSE(s.HideScrollBars); }},
      {"ClockOnlyForOne", Display("Sat=True"), nullptr,
       [](auto& s) { EXPECT_FALSE(s.ClockEnabled); }},
      {"ClockSizeSevenLeavesFontEmpty", Display("Velicina sata=7"), nullptr,
       [](auto& s) {
         EXPECT_EQ(s.ClockSizeIndex, "7");
         EXPECT_EQ(s.ClockFontSize, "");
       }},
      {"ClockSizeUnknownKeepsFont", Display("Velicina sata=04"),
       [](auto& s) { s.ClockFontSize = "20"; }, [](auto& s) { EXPECT_EQ(s.ClockFontSize, "20"); }},
      {"ProtectionCapitalTrueStaysOff",
       Display("Protection=True\r\nPassword=" + DecodePassword("pw")), nullptr,
       [](auto& s) { EXPECT_FALSE(s.PasswordProtection); }},
      {"ProtectionWithoutPasswordIsOff", Display("Protection=true"), nullptr,
       [](auto& s) { EXPECT_FALSE(s.PasswordProtection); }},
      {"ProtectionWithEmptyPasswordIsOff", Display("Protection=true\r\nPassword="), nullptr,
       [](auto& s) { EXPECT_FALSE(s.PasswordProtection); }},
      {"EmptyPasswordClearsEarlierProtection", Display("Sat=1"),
       [](auto& s) { s.PasswordProtection = true; },
       [](auto& s) { EXPECT_FALSE(s.PasswordProtection); }},
      {"NoMusicSection", "[Pages]\r\nPage0=a\r\n[Display]\r\nSat=1\r\n", nullptr,
       [](auto& s) {
         EXPECT_FALSE(s.MusicEnabled);
         EXPECT_EQ(s.MusicFile, "");
         EXPECT_EQ(s.MusicVolume, "");
         EXPECT_EQ(s.MusicRepeat, "");
       }},
      {"PageGapCounted", "[Pages]\r\nPage0=a\r\nPage1=b\r\nPage3=d\r\n", nullptr,
       [](auto& s) {
         EXPECT_EQ(s.PageCount, 3);
         EXPECT_EQ(s.Pages[2], "");
         EXPECT_EQ(s.Pages[3], "d");
       }},
      {"EmptyPageKeepsEarlierEntry", "[Pages]\r\nPage0=\r\nPage1=b\r\n",
       [](auto& s) { s.Pages[0] = "kept"; },
       [](auto& s) {
         EXPECT_EQ(s.Pages[0], "kept");
         EXPECT_EQ(s.PageCount, 2);
       }},
      {"PageKeysNameTheirIndexExactly",
       "[Pages]\r\nPage01=x\r\nPage 2=x\r\nPage3x=x\r\npage4=d\r\nPAGE5=e\r\nPage+6=x\r\n", nullptr,
       [](auto& s) {
         EXPECT_EQ(s.Pages[1], "");
         EXPECT_EQ(s.Pages[2], "");
         EXPECT_EQ(s.Pages[3], "");
         EXPECT_EQ(s.Pages[4], "d");
         EXPECT_EQ(s.Pages[5], "e");
         EXPECT_EQ(s.Pages[6], "");
         EXPECT_EQ(s.PageCount, 2);
       }},
      {"FirstPageKeyCountsEvenWhenEmpty", "[Pages]\r\nPage0=a\r\nPage1=\r\npage1=b\r\n", nullptr,
       [](auto& s) {
         EXPECT_EQ(s.Pages[1], "");
         EXPECT_EQ(s.PageCount, 1);
       }},
      {"PagesOnlyInTheFirstPagesSection",
       "[Pages]\r\nPage0=a\r\n[Display]\r\nPage1=x\r\n[Pages]\r\nPage2=y\r\n", nullptr,
       [](auto& s) { EXPECT_EQ(s.PageCount, 1); }},
      {"PageCountIsAddedTo", "[Pages]\r\nPage0=a\r\n", [](auto& s) { s.PageCount = 5; },
       [](auto& s) { EXPECT_EQ(s.PageCount, 6); }},
      {"KeysInOtherCase", "[PAGES]\r\nPAGE0=a\r\n[display]\r\nRANDOM=Da\r\nsat=1\r\n", nullptr,
       [](auto& s) {
         EXPECT_EQ(s.Pages[0], "a");
         EXPECT_TRUE(s.RandomOrder);
         EXPECT_TRUE(s.ClockEnabled);
       }},
      {"ValuesWithBlanksAndQuotes",
       "[Pages]\r\nPage0=  \"/home/ana/my page.htm\"  \r\n[Display]\r\nDisplaysize= '640x480'\r\n",
       nullptr,
       [](auto& s) {
         EXPECT_EQ(s.Pages[0], "/home/ana/my page.htm");
         EXPECT_EQ(s.DisplaySize, "640x480");
       }},
      {"NonUtf8PathKeptAsBytes", "[Pages]\r\nPage0=/home/\xe9t\xe9/\xff.htm\r\n", nullptr,
       [](auto& s) { EXPECT_EQ(s.Pages[0], "/home/\xe9t\xe9/\xff.htm"); }},
  };
  // The 16-bit options: a text that is not a 16-bit number keeps the default.
  struct Int16Case {
    const char* name;
    const char* value;
    std::int16_t clockType;   // from the default
    std::int16_t effectCode;  // from an earlier 12
  };
  for (const Int16Case& n : std::initializer_list<Int16Case>{
           {"Empty", "", 1, 12},
           {"Number", "3", 3, 3},
           {"Blanks", " 4 ", 4, 4},
           {"HalfToEvenDown", "2.5", 2, 2},
           {"HalfToEvenUp", "3.5", 4, 4},
           {"Lowest", "-32768", -32768, -32768},
           {"Highest", "32767", 32767, 32767},
           {"Exponent", "2e1", 20, 20},
           {"TooHigh", "32768", 1, 12},
           {"RoundsTooHigh", "32767.5", 1, 12},
           {"TooLow", "-32769", 1, 12},
           {"Huge", "1e400", 1, 12},
           {"Word", "abc", 1, 12},
           {"TrailingWord", "7x", 1, 12},
           {"SignOnly", "-", 1, 12},
       }) {
    cases.push_back({std::string("Int16") + n.name,
                     Display(std::string("Vrsta sata=") + n.value + "\r\nEfekat=" + n.value),
                     [](auto& s) { s.EffectCode = 12; },
                     [n](auto& s) {
                       EXPECT_EQ(s.ClockType, n.clockType);
                       EXPECT_EQ(s.EffectCode, n.effectCode);
                     }});
  }
  const char* fonts[] = {"12", "20", "35", "40", "50"};
  for (int index = 0; index < 5; ++index) {
    std::string font = fonts[index];
    cases.push_back({"ClockSizeIndex" + std::to_string(index),
                     Display("Velicina sata=" + std::to_string(index)), nullptr,
                     [font](auto& s) { EXPECT_EQ(s.ClockFontSize, font); }});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Settings, LoaderRules, testing::ValuesIn(RuleCases()),
                         [](const testing::TestParamInfo<RuleCase>& info) {
                           return info.param.name;
                         });

// A second load over the same record, as after the settings window writes the file.
TEST(LoadSettings, SecondLoadKeepsWhatTheNewFileDoesNotGive) {
  SaverSettings s = LoadText(
      "[Pages]\r\nPage0=a\r\nPage1=b\r\nPage2=c\r\n[Display]\r\nRandom=Da\r\nEfekat=15\r\n"
      "Velicina sata=4\r\nProtection=true\r\nPassword=" +
      DecodePassword("pw") + "\r\n");
  s = LoadText("[Pages]\r\nPage0=x\r\n[Display]\r\nPassword=" + DecodePassword("pw2") + "\r\n",
               std::move(s));
  EXPECT_EQ(s.Pages[0], "x");
  EXPECT_EQ(s.Pages[2], "c");
  EXPECT_EQ(s.PageCount, 6);
  EXPECT_TRUE(s.RandomOrder);
  EXPECT_EQ(s.EffectCode, 15);
  EXPECT_TRUE(s.PasswordProtection);
  EXPECT_EQ(s.Password, "pw2");
  EXPECT_EQ(s.ClockFontSize, "50");
  EXPECT_EQ(s.ClockSizeIndex, "");
}

TEST(LoadSettings, LongAddressIsReadWhole) {
  std::string address = "https://dash.example.org/view?" + std::string(100000, 'k');
  SaverSettings s = LoadText("[Pages]\r\nPage0=" + address + "\r\n");
  EXPECT_EQ(s.Pages[0], address);
}

TEST(LoadSettings, AllEntriesAndNothingBeyondTheRecord) {
  std::string text = "[Pages]\r\n";
  for (int i = 0; i < 1510; ++i)
    text += "Page" + std::to_string(i) + "=p" + std::to_string(i) + "\r\n";
  text += "Page99999=far\r\nPage-1=neg\r\n";
  SaverSettings s = LoadText(text);
  EXPECT_EQ(s.PageCount, 1501);
  EXPECT_EQ(s.Pages[0], "p0");
  EXPECT_EQ(s.Pages[1500], "p1500");
  EXPECT_EQ(s.Page(1500), "p1500");
  for (long long outside : {-1LL, 1501LL, 99999LL, -2147483649LL}) EXPECT_EQ(s.Page(outside), "");
}

TEST(LoadSettings, ReadsTheFileAtTheSettingsPath) {
  test::TempFolder folder;
  SaverSettings s;
  s.SettingsPath = folder.Write("pgwh.ini", "[Pages]\nPage0=a\n[Display]\nIzlaz=2\n");
  LoadSettings(s);
  EXPECT_EQ(s.Pages[0], "a");
  EXPECT_EQ(s.ExitMode, "2");
}

TEST(DecodePassword, ScramblesEachByteAndUndoesItself) {
  EXPECT_EQ(DecodePassword(""), "");
  EXPECT_EQ(DecodePassword("a"), "\xd2");  // 0x61 ^ 0xB3
  EXPECT_EQ(DecodePassword("\xb3"), std::string(1, '\0'));
  std::string every;
  for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
  std::string scrambled = DecodePassword(every);
  ASSERT_EQ(scrambled.size(), every.size());
  EXPECT_NE(scrambled, every);
  EXPECT_EQ(DecodePassword(scrambled), every);
}

}  // namespace
}  // namespace pgw
