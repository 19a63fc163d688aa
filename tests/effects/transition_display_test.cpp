// The capture and the effect player on a real X display.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <optional>

#include "saver/effects/capture_screen.h"
#include "saver/effects/run_transition.h"
#include "tests/effects/leftover_pixels.h"
#include "tests/effects/scripted_random.h"
#include "tests/support/qt_app.h"
#include "tests/support/x11_windows_maker.h"

namespace pgw {
namespace {

const QColor kGreen(0, 255, 0);
const char kGreenSetting[] = "65280";
const QColor kPageColour(200, 30, 160);

// A full-screen window in one colour, standing for the page the show has on screen.
class ScreenFilling : public QWidget {
 public:
  explicit ScreenFilling(QColor colour) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
  }
};

class TransitionOnDisplay : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::HaveDisplay()) << "needs an X display: run tools/test.sh";
    test::App();
    page.emplace(kPageColour);
    box.emplace();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*page));
    QTest::qWait(50);
  }

  // The box as the show uses it: at (0, 0) over the page, holding the capture.
  void ShowCaptureBox() {
    box->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    CaptureScreen(*box);
    box->move(0, 0);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*box));
  }

  // Runs the event loop until `ended` is set or 20 seconds have passed. (QTest::qWaitFor
  // would sleep between its looks and slow the effect down.)
  static bool WaitForEnd(const bool& ended) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (ended) loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return ended;
  }

  static QImage Screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

  std::optional<ScreenFilling> page;  // made once the application exists
  std::optional<PictureBox> box;
  test::ScriptedRandom random{{0.5}};
};

TEST_F(TransitionOnDisplay, CaptureHoldsTheScreen) {
  CaptureScreen(*box);
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(box->size(), screen);
  ASSERT_EQ(box->Picture().size(), screen);
  EXPECT_EQ(test::PixelsNotIn(box->Picture(), kPageColour).count, 0);
}

// On the screen, not only in the picture: what each step changed was repainted.
class EffectOnDisplay : public TransitionOnDisplay,
                        public testing::WithParamInterface<std::int16_t> {};

TEST_P(EffectOnDisplay, EndsWithTheBoxInTheBackgroundColour) {
  ShowCaptureBox();
  EXPECT_EQ(test::PixelsNotIn(Screen(), kPageColour).count, 0);
  bool ended = false;
  int ticksDuringEffect = 0;
  QTimer other;  // stands for the show's own timers, which must keep running
  QObject::connect(&other, &QTimer::timeout, [&] { ticksDuringEffect += !ended; });
  other.start(5);
  std::int16_t q = 60;
  ClockSeededRandom cells;
  RunTransition(
      *box, GetParam(), q, kGreenSetting,
      GetParam() == 8 ? static_cast<RandomSource&>(cells) : random, [] { return false; },
      [&] { ended = true; });
  EXPECT_FALSE(ended);  // nothing is drawn before the event loop runs
  ASSERT_TRUE(WaitForEnd(ended));
  EXPECT_GT(ticksDuringEffect, 10);
  QTest::qWait(50);
  const auto sliver = test::SliverAboveTheLastLine(GetParam(), box->size());
  test::Leftovers onScreen = test::PixelsNotIn(Screen(), kGreen, sliver);
  EXPECT_EQ(onScreen.count, 0) << "first at " << onScreen.first.x() << ", " << onScreen.first.y();
  EXPECT_EQ(test::PixelsNotIn(box->Picture(), kGreen, sliver).count, 0);
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectOnDisplay, testing::Range<std::int16_t>(8, 22),
                         [](const testing::TestParamInfo<std::int16_t>& info) {
                           return "Code" + std::to_string(info.param);
                         });

TEST_F(TransitionOnDisplay, ClipboardIsNeverTouched) {
  QGuiApplication::clipboard()->setText(QStringLiteral("the user's copied text"));
  ShowCaptureBox();
  bool ended = false;
  std::int16_t q = 60;
  RunTransition(
      *box, 17, q, kGreenSetting, random, [] { return false; }, [&] { ended = true; });
  ASSERT_TRUE(WaitForEnd(ended));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the user's copied text"));
}

TEST_F(TransitionOnDisplay, EndingShowStopsTheMosaicWithoutItsFill) {
  ShowCaptureBox();
  bool ending = false;
  bool ended = false;
  std::int16_t q = 3;
  ClockSeededRandom cells;
  RunTransition(
      *box, 8, q, kGreenSetting, cells, [&] { return ending; }, [&] { ended = true; });
  EXPECT_EQ(q, 5);
  QTimer::singleShot(1, [&] { ending = true; });
  ASSERT_TRUE(WaitForEnd(ended));
  EXPECT_GT(test::PixelsNotIn(box->Picture(), kGreen).count, 0);
}

TEST_F(TransitionOnDisplay, PlayerStopsWhenItsBoxGoesAway) {
  auto* doomed = new PictureBox();
  doomed->resize(400, 300);
  doomed->show();
  bool ended = false;
  std::int16_t q = 60;
  RunTransition(
      *doomed, 14, q, kGreenSetting, random, [] { return false; }, [&] { ended = true; });
  QTest::qWait(100);
  delete doomed;
  QTest::qWait(200);
  EXPECT_FALSE(ended);
}

TEST_F(TransitionOnDisplay, BoxWithoutAPictureIsWhite) {
  PictureBox empty;
  empty.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  empty.setGeometry(100, 100, 200, 150);
  empty.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&empty));
  QTest::qWait(50);
  QImage shot = Screen().copy(110, 110, 180, 130);
  EXPECT_EQ(test::PixelsNotIn(shot, Qt::white).count, 0);
}

}  // namespace
}  // namespace pgw
