// Pagewheel.scr itself, started from a folder of its own on a real X display.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "saver/utilities/x11_windows.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/x11_windows_maker.h"

namespace pgw {
namespace {

namespace fs = std::filesystem;

const char kShow[] = "PagewheelHost";
const char kSettings[] = "Pagewheel settings...";

class SaverProgram : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::HaveDisplay()) << "needs an X display: run tools/test.sh";
    ASSERT_TRUE(windows.connected());
    ASSERT_FALSE(windows.HasWindowTitled(kShow)) << "a show is still open on this display";
    ASSERT_FALSE(windows.HasWindowTitled(kSettings));
    // A copy of its own, so the program finds no settings file but its sample pages.
    fs::copy_file(PGW_APP_DIR "/Pagewheel.scr", program());
    fs::copy(PGW_APP_DIR "/htmlpgw", folder.File("htmlpgw"));
  }

  std::string program() const { return folder.File("Pagewheel.scr"); }

  std::vector<std::string> CommandLine(const std::vector<std::string>& arguments) const {
    std::vector<std::string> line{program()};
    line.insert(line.end(), arguments.begin(), arguments.end());
    return line;
  }

  bool WindowAppears(const char* caption) {
    return test::WaitFor([&] { return windows.HasWindowTitled(caption); });
  }

  test::TempFolder folder;
  X11Windows windows;
};

struct StartCase {
  std::vector<std::string> arguments;
  const char* caption;  // the window that opens; nullptr: the program ends at once
};

void PrintTo(const StartCase& c, std::ostream* os) {
  for (const std::string& argument : c.arguments) *os << '"' << argument << "\" ";
}

class CommandLineStarts : public SaverProgram, public testing::WithParamInterface<StartCase> {};

TEST_P(CommandLineStarts, TheWindowOfItsRunMode) {
  test::ChildProcess saver(CommandLine(GetParam().arguments));
  ASSERT_TRUE(saver.started());
  if (GetParam().caption == nullptr) {
    EXPECT_EQ(saver.WaitForExit(), 0);
    EXPECT_FALSE(windows.HasWindowTitled(kShow));
    EXPECT_FALSE(windows.HasWindowTitled(kSettings));
    return;
  }
  EXPECT_TRUE(WindowAppears(GetParam().caption));
  EXPECT_TRUE(saver.Running());
  saver.Terminate();
}

INSTANTIATE_TEST_SUITE_P(
    Saver, CommandLineStarts,
    testing::Values(StartCase{{}, kShow}, StartCase{{"/S"}, kShow}, StartCase{{" /s "}, kShow},
                    StartCase{{"/y"}, kShow}, StartCase{{"/a"}, kShow},
                    StartCase{{"/c:1234"}, kSettings}, StartCase{{"/C"}, kSettings},
                    StartCase{{"/first"}, kSettings}, StartCase{{"/FIRST"}, kSettings},
                    StartCase{{"/P"}, nullptr}, StartCase{{"/p", "1234"}, nullptr}),
    [](const testing::TestParamInfo<StartCase>& info) {
      std::string line;
      for (const std::string& argument : info.param.arguments) line += argument;
      return test::CaseName(info.index, line);
    });

TEST_F(SaverProgram, ShowEndsOnAKey) {
  test::ChildProcess saver(CommandLine({"/S"}));
  ASSERT_TRUE(WindowAppears(kShow));
  // The window takes input once it is mapped under the pointer.
  ASSERT_TRUE(test::WaitFor([&] { return windows.TitleAt({300, 300}) == kShow; }));
  ASSERT_EQ(test::RunToEnd({"xdotool", "key", "space"}), 0);
  EXPECT_EQ(saver.WaitForExit(), 0);
}

// Any window with one of the saver's captions, in any letter case, keeps a second saver
// from starting; it ends by itself without opening a window.
class RunningSaver : public SaverProgram, public testing::WithParamInterface<const char*> {};

TEST_P(RunningSaver, KeepsASecondOneFromStarting) {
  test::X11WindowsMaker maker;
  maker.Title(maker.Make(maker.root()), GetParam());  // hidden
  maker.Sync();
  test::ChildProcess saver(CommandLine({"/S"}));
  EXPECT_EQ(saver.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Saver, RunningSaver,
                         testing::Values("pagewheelhost", "PAGEWHEEL SETTINGS...", "PagewheelApp"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return test::CaseName(info.index, info.param);
                         });

TEST_F(SaverProgram, SecondShowEndsWhileTheFirstRuns) {
  test::ChildProcess first(CommandLine({"/S"}));
  ASSERT_TRUE(WindowAppears(kShow));
  test::ChildProcess second(CommandLine({"/S"}));
  EXPECT_EQ(second.WaitForExit(), 0);
  EXPECT_TRUE(first.Running());
  first.Terminate();
}

}  // namespace
}  // namespace pgw
