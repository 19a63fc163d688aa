// Transition effects on the X display: for every code, at 1920 x 1080 and 3840 x 2160,
// the drawing time per step (onto the capture, without a display) and the wall time of
// the whole effect played by the real player, against the sum of its pauses measured in
// the same run. Also the time of one screen capture.
//
// Usage: effects_bench [--codes 8,9,...] [--sizes 1920x1080,...]   (needs $DISPLAY)
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "saver/effects/capture_screen.h"
#include "saver/effects/run_transition.h"

namespace {

using namespace pgw;

const char kBackColor[] = "5649426";

// The same numbers for the drawing and the playing run, so both pick the same mosaic
// cells and the same variant of the two circles.
class RepeatableRandom : public RandomSource {
 public:
  double Uniform() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }
  void ReseedFromClock() override { engine_.seed(2026); }

 private:
  std::mt19937_64 engine_{2026};
};

std::vector<int> ListArgument(int argc, char** argv, const char* name, std::vector<int> all) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) != name) continue;
    std::vector<int> values;
    for (const char* p = argv[i + 1]; *p;) {
      values.push_back(std::atoi(p));
      while (*p && *p != ',' && *p != 'x') ++p;
      if (*p) ++p;
    }
    return values;
  }
  return all;
}

struct DrawingTimes {
  int steps = 0;
  long long pausesMs = 0;
  double meanMs = 0;
  double maxMs = 0;
};

// Draws every step onto an image the size of the screen, timing each.
DrawingTimes TimeDrawing(std::int16_t code, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  const std::int32_t w = size.width() * kTwipsPerPixel;
  const std::int32_t h = size.height() * kTwipsPerPixel;
  RepeatableRandom random;
  std::int16_t q = 60;
  EffectPlan plan = MakeEffectPlan(code, {0, 0, w, h, w, h}, q, random, [] { return false; });
  EffectColors colors{ColorFromSetting(kBackColor), Qt::black};
  DrawingTimes times;
  QPainter painter(&image);
  double total = 0;
  while (std::optional<EffectStep> step = plan.steps.Next()) {
    QElapsedTimer clock;
    clock.start();
    DrawStep(painter, *step, colors);
    const double ms = clock.nsecsElapsed() / 1e6;
    total += ms;
    times.maxMs = std::max(times.maxMs, ms);
    times.pausesMs += step->pauseMs;
    ++times.steps;
  }
  times.meanMs = times.steps ? total / times.steps : 0;
  return times;
}

// Plays the effect on a shown capture box and returns the wall time in milliseconds.
double TimePlaying(std::int16_t code, PictureBox& box) {
  RepeatableRandom random;
  std::int16_t q = 60;
  bool ended = false;
  QElapsedTimer clock;
  clock.start();
  RunTransition(
      box, code, q, kBackColor, random, [] { return false; }, [&] { ended = true; });
  while (!ended) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return clock.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<int> codes =
      ListArgument(argc, argv, "--codes", {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
  std::vector<int> sizes = ListArgument(argc, argv, "--sizes", {1920, 1080, 3840, 2160});

  PictureBox box;
  box.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  box.move(0, 0);
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  {
    std::vector<double> captures;
    for (int i = 0; i < 20; ++i) {
      QElapsedTimer clock;
      clock.start();
      CaptureScreen(box);
      captures.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double first = captures.front();
    std::sort(captures.begin(), captures.end());
    std::printf(
        "Screen capture at %dx%d, 20 times: median %.1f ms, max %.1f ms (the first: %.1f)\n\n",
        screen.width(), screen.height(), captures[captures.size() / 2], captures.back(), first);
  }

  std::printf("%-5s %-10s %6s %10s %10s %10s %10s %8s\n", "code", "size", "steps", "draw mean",
              "draw max", "pauses ms", "wall ms", "wall/p");
  for (std::size_t s = 0; s + 1 < sizes.size(); s += 2) {
    const QSize size(sizes[s], sizes[s + 1]);
    const bool playable = size.width() <= screen.width() && size.height() <= screen.height();
    if (playable) {
      QImage capture(size, QImage::Format_RGB32);
      capture.fill(Qt::magenta);
      box.SetPicture(capture);
      box.resize(size);
      box.show();
      (void)QTest::qWaitForWindowExposed(&box);
    }
    for (int code : codes) {
      DrawingTimes drawing = TimeDrawing(static_cast<std::int16_t>(code), size);
      double wall = -1;
      if (playable) {
        QImage capture(size, QImage::Format_RGB32);
        capture.fill(Qt::magenta);
        box.SetPicture(capture);
        QCoreApplication::processEvents();
        wall = TimePlaying(static_cast<std::int16_t>(code), box);
      }
      std::printf("%-5d %-10s %6d %10.3f %10.3f %10lld", code,
                  (std::to_string(size.width()) + "x" + std::to_string(size.height())).c_str(),
                  drawing.steps, drawing.meanMs, drawing.maxMs, drawing.pausesMs);
      if (wall >= 0) {
        std::printf(" %10.0f %8.2f\n", wall,
                    drawing.pausesMs ? wall / static_cast<double>(drawing.pausesMs) : 0.0);
      } else {
        std::printf(" %10s %8s\n", "-", "-");
      }
      std::fflush(stdout);
    }
  }
  return 0;
}
