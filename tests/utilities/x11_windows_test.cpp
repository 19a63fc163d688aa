#include "saver/utilities/x11_windows.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <functional>

#include "saver/utilities/cmouse.h"
#include "saver/utilities/qt_pointer.h"
#include "tests/support/x11_windows_maker.h"

namespace pgw {
namespace {

class X11WindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::HaveDisplay()) << "needs an X display: run tools/test.sh";
    ASSERT_TRUE(maker.ok());
    ASSERT_TRUE(windows.connected());
  }
  test::X11WindowsMaker maker;
  X11Windows windows;
};

// How a window carrying the title is placed on the desktop.
struct Placement {
  const char* name;
  std::function<void(test::X11WindowsMaker&, const std::string& title)> make;
};

void PrintTo(const Placement& p, std::ostream* os) {
  *os << p.name;
}

class TitledWindow : public X11WindowsTest,
                     public testing::WithParamInterface<std::tuple<Placement, const char*>> {};

TEST_P(TitledWindow, IsFoundWhateverTheLetterCase) {
  const auto& [placement, title] = GetParam();
  EXPECT_FALSE(windows.HasWindowTitled("PagewheelHost"));
  placement.make(maker, title);
  maker.Sync();
  EXPECT_TRUE(windows.HasWindowTitled("PagewheelHost"));
  EXPECT_FALSE(windows.HasWindowTitled("Pagewheel settings..."));
}

INSTANTIATE_TEST_SUITE_P(
    Probe, TitledWindow,
    testing::Combine(testing::Values(Placement{"Hidden",
                                               [](auto& m, const std::string& t) {
                                                 m.Title(m.Make(m.root()), t);
                                               }},
                                     Placement{"Shown",
                                               [](auto& m, const std::string& t) {
                                                 Window w = m.Make(m.root());
                                                 m.Title(w, t);
                                                 m.Show(w);
                                               }},
                                     Placement{"NetWmNameOnly",
                                               [](auto& m, const std::string& t) {
                                                 m.NetTitle(m.Make(m.root()), t);
                                               }},
                                     Placement{"InsideAFrame",
                                               [](auto& m, const std::string& t) {
                                                 Window frame = m.Make(m.root());
                                                 m.Show(frame);
                                                 Window client = m.Make(frame);
                                                 m.Title(client, t);
                                                 m.Show(client);
                                               }},
                                     Placement{"InsideAWrappedFrame",
                                               [](auto& m, const std::string& t) {
                                                 Window frame = m.Make(m.root());
                                                 Window wrapper = m.Make(frame);
                                                 m.Title(m.Make(wrapper), t);
                                               }}),
                     testing::Values("PagewheelHost", "pagewheelhost", "PAGEWHEELHOST")),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
    });

TEST_F(X11WindowsTest, OtherTitlesDoNotCount) {
  for (const char* title : {"PagewheelHost2", "PagewheelHos", " PagewheelHost", ""}) {
    maker.Title(maker.Make(maker.root()), title);
  }
  maker.Sync();
  EXPECT_FALSE(windows.HasWindowTitled("PagewheelHost"));
}

TEST_F(X11WindowsTest, TitleAtGivesTheWholeTitleOfTheWindowThere) {
  const std::string longTitle(300, 'w');
  Window frame = maker.Make(maker.root(), 200, 150, 120, 90);
  Window client = maker.Make(frame, 0, 0, 120, 90);
  maker.Title(client, longTitle);
  maker.Show(client);
  maker.Show(frame);
  maker.Sync();
  EXPECT_EQ(windows.TitleAt({250, 200}), longTitle);
  EXPECT_EQ(windows.TitleAt({10, 10}), "");
}

TEST_F(X11WindowsTest, CMouseMovesTheRealPointer) {
  int argc = 1;
  char name[] = "x11_windows_test";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  QtPointer pointer(windows);
  CMouse mouse(pointer);
  mouse.x(100.5f);
  mouse.Y(301.5f);
  EXPECT_EQ(mouse.x(), 100.0f);
  EXPECT_EQ(mouse.Y(), 302.0f);

  Window shown = maker.Make(maker.root(), 80, 280, 50, 50);
  maker.Title(shown, "Under the pointer");
  maker.Show(shown);
  maker.Sync();
  EXPECT_EQ(mouse.WindowOver(mouse.x(), mouse.Y()), "Under the pointer");
}

}  // namespace
}  // namespace pgw
