#include "saver/startup/first_run.h"

#include <gtest/gtest.h>

#include "saver/settings/app_files.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"

namespace pgw {
namespace {

TEST(FirstRun, PutsTheSamplePagesAndLeavesTheRest) {
  SaverSettings s;
  s.Pages[1] = "old";
  s.Pages[2] = "kept";
  s.PageCount = 7;
  s.RandomOrder = true;
  s.DisplaySize = "640x480";
  s.BackColor = "255";
  FirstRunDefaults(s, "/opt/pagewheel");
  EXPECT_EQ(s.Pages[0], "/opt/pagewheel/htmlpgw/1.htm");
  EXPECT_EQ(s.Pages[1], "/opt/pagewheel/htmlpgw/2.htm");
  EXPECT_EQ(s.Pages[2], "kept");
  EXPECT_EQ(s.PageCount, 7);
  EXPECT_TRUE(s.HideScrollBars);
  EXPECT_EQ(s.DisplaySize, "Full");
  EXPECT_EQ(s.WithholdSeconds, "10");
  EXPECT_FALSE(s.RandomOrder);
  EXPECT_EQ(s.BackColor, "255");
}

TEST(FirstRun, NoSettingsFileGivesTheSamplePages) {
  test::TempFolder folder;
  SaverSettings s;
  LoadStartupSettings(s, folder.path());
  EXPECT_EQ(s.SettingsPath, folder.path() + "/pgwh.ini");
  EXPECT_EQ(s.Pages[0], folder.path() + "/htmlpgw/1.htm");
  EXPECT_EQ(s.Pages[1], folder.path() + "/htmlpgw/2.htm");
  EXPECT_EQ(s.PageCount, 0);
  EXPECT_EQ(s.WithholdSeconds, "10");
  EXPECT_TRUE(s.HideMouse);
  EXPECT_EQ(s.ExitMode, "1");
}

TEST(FirstRun, FileWithoutFirstEntryGetsTheFirstRunValues) {
  test::TempFolder folder;
  folder.Write("pgwh.ini",
               "[Pages]\r\nPage1=/x/b.htm\r\nPage2=/x/c.htm\r\n[Display]\r\nWithold=30\r\n"
               "Random=Da\r\nDisplaysize=640x480\r\nSakrijScrollBar=ne\r\nBackcolor=255\r\n");
  SaverSettings s;
  LoadStartupSettings(s, folder.path());
  EXPECT_EQ(s.Pages[1], folder.path() + "/htmlpgw/2.htm");
  EXPECT_EQ(s.Pages[2], "/x/c.htm");
  EXPECT_EQ(s.PageCount, 2);
  EXPECT_EQ(s.WithholdSeconds, "10");
  EXPECT_FALSE(s.RandomOrder);
  EXPECT_EQ(s.DisplaySize, "Full");
  EXPECT_TRUE(s.HideScrollBars);
  EXPECT_EQ(s.BackColor, "255");
}

TEST(FirstRun, FileWithFirstEntryIsLeftAsItIs) {
  test::TempFolder folder;
  folder.Write("pgwh.ini", "[Pages]\r\nPage0=/x/a.htm\r\n[Display]\r\nWithold=30\r\n");
  SaverSettings s;
  LoadStartupSettings(s, folder.path());
  EXPECT_EQ(s.Pages[0], "/x/a.htm");
  EXPECT_EQ(s.Pages[1], "");
  EXPECT_EQ(s.WithholdSeconds, "30");
}

TEST(FirstRun, ApplicationFolderBytesAreKept) {
  test::TempFolder folder;
  std::string odd = folder.File("caf\xe9 \xff");
  ASSERT_TRUE(std::filesystem::create_directory(odd));
  SaverSettings s;
  LoadStartupSettings(s, odd);
  EXPECT_EQ(s.SettingsPath, odd + "/pgwh.ini");
  EXPECT_EQ(s.Pages[0], odd + "/htmlpgw/1.htm");
}

struct FolderCase {
  const char* program;
  const char* folder;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
  *os << c.program;
}

class FolderOfTable : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfTable, DropsTheNameAndTheSeparator) {
  EXPECT_EQ(FolderOf(GetParam().program), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(AppFiles, FolderOfTable,
                         testing::Values(FolderCase{"/opt/pw/Pagewheel.scr", "/opt/pw"},
                                         FolderCase{"/Pagewheel.scr", "/"},
                                         FolderCase{"/my pages/\xff/Pagewheel.scr",
                                                    "/my pages/\xff"}),
                         [](const testing::TestParamInfo<FolderCase>& info) {
                           return test::CaseName(info.index, info.param.folder);
                         });

TEST(AppFiles, FilesOfTheRootFolderHaveOneSeparator) {
  EXPECT_EQ(AppFile("/", "pgwh.ini"), "/pgwh.ini");
  EXPECT_EQ(AppFile("/opt/pw", "pgwh.ini"), "/opt/pw/pgwh.ini");
}

TEST(AppFiles, ApplicationFolderIsTheTestProgramsFolderWhereverItRuns) {
  test::TempFolder elsewhere;
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(elsewhere.path());
  const std::string folder = ApplicationFolder();
  std::filesystem::current_path(before);
  EXPECT_EQ(folder, std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

TEST(AppFiles, FileExists) {
  test::TempFolder folder;
  EXPECT_TRUE(FileExists(folder.Write("a.mp3", "x")));
  EXPECT_TRUE(FileExists(folder.Write("empty.mp3", "")));
  EXPECT_FALSE(FileExists(folder.File("missing.mp3")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(folder.File("a.mp3/inside")));
}

}  // namespace
}  // namespace pgw
