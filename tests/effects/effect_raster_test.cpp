// Effects drawn for real onto images the size of common screens: each ends with every
// pixel in the background colour.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "saver/effects/effect_drawing.h"
#include "tests/effects/leftover_pixels.h"
#include "tests/effects/scripted_random.h"

namespace pgw {
namespace {

const QColor kCapture(200, 30, 160);  // stands for the frozen screen
const char kBackColor[] = "5649426";  // RGB 12 34 56
const QColor kBackground(0x12, 0x34, 0x56);

QImage Capture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kCapture);
  return image;
}

EffectBox BoxOf(const QImage& image) {
  const std::int32_t w = image.width() * kTwipsPerPixel;
  const std::int32_t h = image.height() * kTwipsPerPixel;
  return {0, 0, w, h, w, h};
}

int Play(QImage& image, std::int16_t code, RandomSource& random, const char* backColor,
         QColor fore = Qt::black) {
  std::int16_t q = 60;
  EffectPlan plan = MakeEffectPlan(code, BoxOf(image), q, random, [] { return false; });
  return DrawWholePlan(image, plan, {ColorFromSetting(backColor), fore});
}

struct RasterCase {
  std::int16_t code;
  double random;  // picks the variant of the two circles
  QSize screen;
};

void PrintTo(const RasterCase& c, std::ostream* os) {
  *os << "code " << c.code;
}

class Raster : public testing::TestWithParam<RasterCase> {};

TEST_P(Raster, EndsWithTheWholeScreenInTheBackgroundColour) {
  QImage image = Capture(GetParam().screen.width(), GetParam().screen.height());
  ClockSeededRandom mosaicRandom;
  test::ScriptedRandom variantRandom({GetParam().random});
  RandomSource& random = GetParam().code == 8 ? static_cast<RandomSource&>(mosaicRandom)
                                              : static_cast<RandomSource&>(variantRandom);
  EXPECT_GT(Play(image, GetParam().code, random, kBackColor), 0);
  std::function<bool(int, int)> sliver =
      test::SliverAboveTheLastLine(GetParam().code, GetParam().screen);
  test::Leftovers left = test::PixelsNotIn(image, kBackground, sliver);
  EXPECT_EQ(left.count, 0) << "first at " << left.first.x() << ", " << left.first.y();
  if (sliver) {
    EXPECT_GT(left.expected, 0);
  }
}

std::vector<RasterCase> RasterCases() {
  std::vector<RasterCase> cases;
  for (QSize screen : {QSize(1920, 1080), QSize(1280, 1024), QSize(640, 480)}) {
    for (std::int16_t code = 8; code <= 21; ++code) {
      if (code == 15) {
        for (double r : {0.0, 0.3, 0.6, 0.9}) cases.push_back({code, r, screen});
      } else {
        cases.push_back({code, 0.0, screen});
      }
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Effects, Raster, testing::ValuesIn(RasterCases()),
                         [](const testing::TestParamInfo<RasterCase>& info) {
                           const RasterCase& c = info.param;
                           return "Code" + std::to_string(c.code) + "_" +
                                  std::to_string(static_cast<int>(c.random * 4) + 1) + "_" +
                                  std::to_string(c.screen.width()) + "x" +
                                  std::to_string(c.screen.height());
                         });

TEST(Raster, CodesWithoutAnEffectLeaveTheCapture) {
  test::ScriptedRandom random;
  for (std::int16_t code : {22, 0, 7, 23, -5}) {
    QImage image = Capture(640, 480);
    EXPECT_EQ(Play(image, code, random, kBackColor), 0);
    EXPECT_EQ(test::PixelsNotIn(image, kCapture).count, 0) << code;
  }
}

// A background colour that is not a colour number draws nothing in it, yet every step
// still runs; the vertical split draws its lines in the box's own fore colour then.
TEST(Raster, BackColorThatIsNoColourDrawsNothingButRunsEveryStep) {
  for (const char* backColor : {"abc", "", "-1", "16777216", "12px"}) {
    for (std::int16_t code = 9; code <= 21; ++code) {
      test::ScriptedRandom random;
      QImage valid = Capture(640, 480);
      const int steps = Play(valid, code, random, kBackColor);
      QImage image = Capture(640, 480);
      EXPECT_EQ(Play(image, code, random, backColor, QColor(Qt::green)), steps);
      if (code == 16) {
        EXPECT_EQ(test::PixelsNotIn(image, Qt::green).count, 0) << backColor;
      } else {
        EXPECT_EQ(test::PixelsNotIn(image, kCapture).count, 0) << backColor << " code " << code;
      }
    }
  }
}

TEST(Raster, CircleWithoutRadiusIsADotAsWideAsThePen) {
  QImage image = Capture(100, 100);
  QPainter painter(&image);
  EffectStep dot{{Primitive{Shape::Circle, 750, 750, 0, 0, 10, Ink::Fill}}, 15, true};
  DrawStep(painter, dot, {kBackground, Qt::black});
  painter.end();
  EXPECT_EQ(image.pixelColor(50, 50), kBackground);
  EXPECT_EQ(image.pixelColor(53, 50), kBackground);
  EXPECT_EQ(image.pixelColor(58, 50), kCapture);
}

TEST(Raster, ColoursHaveRedInTheLowByte) {
  EXPECT_EQ(ColorFromSetting("255"), QColor(255, 0, 0));
  EXPECT_EQ(ColorFromSetting("65280"), QColor(0, 255, 0));
  EXPECT_EQ(ColorFromSetting(" 16711680 "), QColor(0, 0, 255));
  EXPECT_EQ(ColorFromSetting("16777215"), QColor(255, 255, 255));
  EXPECT_FALSE(ColorFromSetting("16777216"));
  EXPECT_FALSE(ColorFromSetting("abc"));
}

}  // namespace
}  // namespace pgw
