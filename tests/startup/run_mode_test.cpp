#include "saver/startup/run_mode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/case_name.h"

namespace pgw {
namespace {

struct CommandLineCase {
  const char* line;
  const char* word;  // nullptr: the process ends
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
  *os << '"' << c.line << '"';
}

class CommandLines : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLines, ChooseTheRunMode) {
  std::optional<RunMode> mode = ChooseRunMode(GetParam().line);
  if (GetParam().word == nullptr) {
    EXPECT_FALSE(mode.has_value()) << RunModeWord(*mode);
  } else {
    ASSERT_TRUE(mode.has_value());
    EXPECT_EQ(RunModeWord(*mode), GetParam().word);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Startup, CommandLines,
    testing::Values(CommandLineCase{"", "runpgw"}, CommandLineCase{"   ", "runpgw"},
                    CommandLineCase{"/S", "runpgw"}, CommandLineCase{"/s", "runpgw"},
                    CommandLineCase{"  /s  ", "runpgw"}, CommandLineCase{"\t/s\t", "runpgw"},
                    CommandLineCase{"/C", "confpgw"}, CommandLineCase{"/c", "confpgw"},
                    CommandLineCase{"/c:1234", "confpgw"}, CommandLineCase{"/C 1234", "confpgw"},
                    CommandLineCase{"/P", nullptr}, CommandLineCase{"/p", nullptr},
                    CommandLineCase{"/p 1234", nullptr}, CommandLineCase{"/P:99", nullptr},
                    CommandLineCase{" /p ", nullptr}, CommandLineCase{"/Y", "prevpgw"},
                    CommandLineCase{"/y", "prevpgw"}, CommandLineCase{"/first", "first"},
                    CommandLineCase{"/FIRST", "first"}, CommandLineCase{"/First now", "first"},
                    CommandLineCase{"/firs", "ostalopgw"}, CommandLineCase{"/f", "ostalopgw"},
                    CommandLineCase{"/a", "ostalopgw"}, CommandLineCase{"/x", "ostalopgw"},
                    CommandLineCase{"s", "ostalopgw"}, CommandLineCase{"-root", "ostalopgw"},
                    CommandLineCase{"/", "ostalopgw"}),
    [](const testing::TestParamInfo<CommandLineCase>& info) {
      return test::CaseName(info.index, info.param.line);
    });

TEST(RunMode, WordsAreTheSystemsOwn) {
  EXPECT_EQ(RunModeWord(RunMode::Configure), "confpgw");
  EXPECT_EQ(RunModeWord(RunMode::Run), "runpgw");
  EXPECT_EQ(RunModeWord(RunMode::Preview), "prevpgw");
  EXPECT_EQ(RunModeWord(RunMode::Other), "ostalopgw");
  EXPECT_EQ(RunModeWord(RunMode::First), "first");
}

TEST(RunMode, ArgumentsAreJoinedWithOneBlank) {
  const char* argv[] = {"/opt/pw/Pagewheel.scr", "/p", "1234"};
  EXPECT_EQ(JoinArguments(3, argv), "/p 1234");
  EXPECT_EQ(JoinArguments(1, argv), "");
}

// Records every caption asked for; windows with the captions in `open` exist.
class FakeWindows : public WindowProbe {
 public:
  explicit FakeWindows(std::set<std::string> open) : open_(std::move(open)) {}
  bool HasWindowTitled(std::string_view caption) override {
    asked.emplace_back(caption);
    return open_.contains(std::string(caption));
  }
  std::vector<std::string> asked;

 private:
  std::set<std::string> open_;
};

struct ProbeCase {
  const char* name;
  const char* line;
  std::set<std::string> open;
  bool runs;
  std::vector<std::string> asked;
};

void PrintTo(const ProbeCase& c, std::ostream* os) {
  *os << c.name;
}

class SingleInstance : public testing::TestWithParam<ProbeCase> {};

TEST_P(SingleInstance, ProbesInOrderAndEndsOnTheFirstWindowFound) {
  const ProbeCase& c = GetParam();
  FakeWindows windows(c.open);
  EXPECT_EQ(DecideStartup(c.line, windows).has_value(), c.runs);
  EXPECT_EQ(windows.asked, c.asked);
}

const char kApp[] = "PagewheelApp";
const char kSettings[] = "Pagewheel settings...";
const char kHost[] = "PagewheelHost";

INSTANTIATE_TEST_SUITE_P(
    Startup, SingleInstance,
    testing::Values(
        ProbeCase{"NoneOpen", "/S", {}, true, {kApp, kSettings, kHost, kApp}},
        ProbeCase{"ForeignAppOpen", "/S", {kApp}, false, {kApp}},
        ProbeCase{"SettingsOpen", "/S", {kSettings}, false, {kApp, kSettings}},
        ProbeCase{"ShowOpen", "/C", {kHost}, false, {kApp, kSettings, kHost}},
        ProbeCase{"PreviewRequestNotProbedAgain", "/p 77", {}, false, {kApp, kSettings, kHost}}),
    [](const testing::TestParamInfo<ProbeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace pgw
