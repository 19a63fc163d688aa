#include "saver/utilities/cmouse.h"

#include <gtest/gtest.h>

#include <limits>

#include "saver/utilities/winver.h"
#include "tests/support/case_name.h"

namespace pgw {
namespace {

class FakePointer : public PointerLayer {
 public:
  ScreenPoint Position() override { return at; }
  void MoveTo(ScreenPoint point) override { at = point; }
  std::string TitleOfWindowAt(ScreenPoint point) override {
    asked = point;
    return "title";
  }
  ScreenPoint at{10, 20};
  ScreenPoint asked;
};

struct RoundCase {
  float written;
  int pixel;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
  *os << c.written;
}

class PointerWrites : public testing::TestWithParam<RoundCase> {};

TEST_P(PointerWrites, RoundHalfToEvenAndKeepTheOtherAxis) {
  FakePointer pointer;
  CMouse mouse(pointer);
  mouse.x(GetParam().written);
  EXPECT_EQ(pointer.at, (ScreenPoint{GetParam().pixel, 20}));
  mouse.Y(GetParam().written);
  EXPECT_EQ(pointer.at, (ScreenPoint{GetParam().pixel, GetParam().pixel}));
  EXPECT_EQ(mouse.x(), static_cast<float>(GetParam().pixel));
  EXPECT_EQ(mouse.Y(), static_cast<float>(GetParam().pixel));
}

INSTANTIATE_TEST_SUITE_P(CMouse, PointerWrites,
                         testing::Values(RoundCase{100.5f, 100}, RoundCase{101.5f, 102},
                                         RoundCase{99.4f, 99}, RoundCase{99.6f, 100},
                                         RoundCase{0.5f, 0}, RoundCase{-0.5f, 0},
                                         RoundCase{-1.5f, -2}, RoundCase{400.0f, 400},
                                         RoundCase{1e20f, std::numeric_limits<int>::max()},
                                         RoundCase{-1e20f, std::numeric_limits<int>::min()},
                                         RoundCase{std::numeric_limits<float>::quiet_NaN(), 0}),
                         [](const testing::TestParamInfo<RoundCase>& info) {
                           return test::CaseName(info.index, std::to_string(info.param.pixel));
                         });

TEST(CMouse, WindowOverAsksAtTheRoundedPoint) {
  FakePointer pointer;
  CMouse mouse(pointer);
  EXPECT_EQ(mouse.WindowOver(10.5f, 11.5f), "title");
  EXPECT_EQ(pointer.asked, (ScreenPoint{10, 12}));
}

TEST(Winver, LinuxHasASessionLock) {
  EXPECT_EQ(GetWindowsVersion(), "2");
}

}  // namespace
}  // namespace pgw
