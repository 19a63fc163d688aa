#include "saver/effects/effect_plan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <vector>

#include "tests/effects/scripted_random.h"

namespace pgw {

void PrintTo(const Primitive& p, std::ostream* os) {
  const char* shapes[] = {"Box", "Line", "Circle"};
  *os << shapes[static_cast<int>(p.shape)] << "(" << p.x1 << ", " << p.y1 << ", " << p.x2 << ", "
      << p.y2 << ") pen " << p.penWidth << (p.ink == Ink::Fore ? " fore" : "");
}

namespace {

EffectBox PixelBox(int width, int height, int left = 0, int top = 0) {
  return {left * 15, top * 15, width * 15, height * 15, width * 15, height * 15};
}

const EffectBox kWide = PixelBox(1920, 1080);
const EffectBox kTall = PixelBox(1080, 1920);
const EffectBox kSquare = PixelBox(1000, 1000);

std::vector<EffectStep> AllSteps(
    std::int16_t code, const EffectBox& box, RandomSource& random,
    std::function<bool()> showEnding = [] { return false; }) {
  std::int16_t q = 60;
  EffectPlan plan = MakeEffectPlan(code, box, q, random, std::move(showEnding));
  std::vector<EffectStep> steps;
  while (std::optional<EffectStep> step = plan.steps.Next()) steps.push_back(std::move(*step));
  return steps;
}

Primitive Box(double x1, double y1, double x2, double y2) {
  return {Shape::FilledBox, x1, y1, x2, y2, 10, Ink::Fill};
}
Primitive Line(double x1, double y1, double x2, double y2, int pen = 6, Ink ink = Ink::Fill) {
  return {Shape::Line, x1, y1, x2, y2, pen, ink};
}
Primitive Circle(double x, double y, double r) {
  return {Shape::Circle, x, y, r, 0, 10, Ink::Fill};
}

// One effect on the wide, tall and square boxes: how many steps, the first and the last
// primitive on the wide box, the pause and whether it comes before the drawing.
struct PlanCase {
  std::int16_t code;
  int wideSteps, tallSteps, squareSteps;
  Primitive first, last;
  int pause;
  bool pauseFirst;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << "code " << c.code;
}

class Plans : public testing::TestWithParam<PlanCase> {};

TEST_P(Plans, FollowTheirAlgorithm) {
  const PlanCase& c = GetParam();
  test::ScriptedRandom random;
  std::vector<EffectStep> wide = AllSteps(c.code, kWide, random);
  EXPECT_EQ(static_cast<int>(wide.size()), c.wideSteps);
  EXPECT_EQ(static_cast<int>(AllSteps(c.code, kTall, random).size()), c.tallSteps);
  EXPECT_EQ(static_cast<int>(AllSteps(c.code, kSquare, random).size()), c.squareSteps);
  ASSERT_FALSE(wide.empty());
  EXPECT_EQ(wide.front().primitives.front(), c.first);
  EXPECT_EQ(wide.back().primitives.back(), c.last);
  for (const EffectStep& step : wide) {
    ASSERT_EQ(step.pauseMs, c.pause);
    ASSERT_EQ(step.pauseFirst, c.pauseFirst);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Effects, Plans,
    testing::Values(
        PlanCase{9, 232, 412, 215, Box(0, -70, 28800, 0), Box(0, 16100, 28800, 16170), 3, false},
        PlanCase{10, 232, 412, 215, Box(0, 16270, 28800, 16200), Box(0, 100, 28800, 30), 3, false},
        PlanCase{11, 288, 162, 150, Box(0, -20, 90, 16230), Box(28700, -20, 28790, 16230), 4,
                 false},
        PlanCase{12, 289, 163, 151, Box(28800, -30, 28710, 16230), Box(0, -30, -90, 16230), 4,
                 false},
        PlanCase{13, 289, 289, 151, Box(14399, 8099, 14401, 8101), Box(-1, -6301, 28801, 22501), 4,
                 true},
        PlanCase{14, 228, 228, 146, Circle(14400, 8100, 0), Circle(14400, 8100, 18160), 15, true},
        PlanCase{16, 642, 362, 336, Line(14400, 0, 14400, 16200, 10, Ink::Fore),
                 Line(28800, 0, 28800, 16200, 10, Ink::Fore), 2, false},
        PlanCase{17, 362, 642, 336, Box(0, 8100, 28800, 8100), Box(0, 16200, 28800, 16200), 2,
                 false},
        PlanCase{18, 468, 828, 432, Box(0, -19, 14400, 1), Box(0, 16241, 14430, 16221), 4, true},
        PlanCase{19, 502, 502, 334, Line(0, 0, 0, 16200), Line(0, 0, 28800, 0), 1, false},
        PlanCase{20, 502, 502, 334, Line(28800, 0, 28800, 16200), Line(28800, 0, -20, 0), 1, false},
        PlanCase{21, 377, 377, 252, Line(14400, 8100, -20, 8100), Line(14400, 8100, 28800, -20), 4,
                 false}),
    [](const testing::TestParamInfo<PlanCase>& info) {
      return "Code" + std::to_string(info.param.code);
    });

TEST(Plans, BoxGrowsUntilItCoversTheLongerSide) {
  test::ScriptedRandom random;
  // Half sides 1 + 50n below half the longer side plus 50.
  for (const auto& [box, lastHalfSide] :
       {std::pair{kWide, 14401}, std::pair{kTall, 14401}, std::pair{kSquare, 7501}}) {
    const Primitive last = AllSteps(13, box, random).back().primitives.back();
    EXPECT_EQ(last.x2 - (box.W / 2.0), lastHalfSide);
    EXPECT_EQ(last.y2 - (box.H / 2.0), lastHalfSide);
  }
}

TEST(Plans, EraseLeftEndsPhaseOneAtTheCornerAndClimbsFromTheBottom) {
  test::ScriptedRandom random;
  std::vector<EffectStep> square = AllSteps(19, kSquare, random);
  // 15000 twips wide: phase 1 ends 60 twips short of the corner.
  EXPECT_EQ(square[166].primitives[0], Line(0, 0, 14940, 15000));
  EXPECT_EQ(square[167].primitives[0], Line(0, 0, 15000, 15000));
  std::vector<EffectStep> wide = AllSteps(19, kWide, random);
  EXPECT_EQ(wide[320].primitives[0], Line(0, 0, 28800, 16200));
  EXPECT_EQ(wide[321].primitives[0], Line(0, 0, 28800, 16200));
}

TEST(Plans, EraseLeftRightStartsAtTheLeftEdgeOfAnOffsetBox) {
  test::ScriptedRandom random;
  EXPECT_EQ(AllSteps(11, PixelBox(100, 100, 20, 10), random).front().primitives[0],
            Box(0, 130, 90, 1680));
}

TEST(Plans, EraseFromCenterDrawsFourLinesAStep) {
  test::ScriptedRandom random;
  std::vector<EffectStep> steps = AllSteps(21, kWide, random);
  EXPECT_EQ(steps[0].primitives,
            (std::vector<Primitive>{Line(14400, 8100, -20, 8100), Line(14400, 8100, 28800, 8100),
                                    Line(14400, 8100, 28800, 0), Line(14400, 8100, -20, 16200)}));
  EXPECT_EQ(
      steps[136].primitives,
      (std::vector<Primitive>{Line(14400, 8100, 0, -20), Line(14400, 8100, 28800, 16200),
                              Line(14400, 8100, 14400, 16200), Line(14400, 8100, 14400, -20)}));
}

TEST(Plans, UltraHighDefinitionScreensNeedNoShortCounters) {
  test::ScriptedRandom random;
  const EffectBox uhd = PixelBox(3840, 2160);
  EXPECT_EQ(AllSteps(11, uhd, random).size(), 576u);
  EXPECT_EQ(AllSteps(16, uhd, random).size(), 1282u);
  EXPECT_EQ(AllSteps(13, uhd, random).back().primitives[0], Box(-1, -12601, 57601, 45001));
}

struct VariantCase {
  double r;
  std::vector<std::pair<double, double>> centres;  // on the square box
  std::size_t steps;
};

void PrintTo(const VariantCase& c, std::ostream* os) {
  *os << "r " << c.r;
}

class TwoCircles : public testing::TestWithParam<VariantCase> {};

TEST_P(TwoCircles, VariantFromAFreshSeed) {
  test::ScriptedRandom random({GetParam().r});
  std::vector<EffectStep> steps = AllSteps(15, kSquare, random);
  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(steps.size(), GetParam().steps);
  const EffectStep& last = steps.back();
  ASSERT_EQ(last.primitives.size(), GetParam().centres.size());
  for (std::size_t i = 0; i < last.primitives.size(); ++i) {
    EXPECT_EQ(last.primitives[i].x1, GetParam().centres[i].first);
    EXPECT_EQ(last.primitives[i].y1, GetParam().centres[i].second);
  }
  EXPECT_EQ(last.pauseMs, 20);
  EXPECT_TRUE(last.pauseFirst);
}

// Square of 15000 twips: Rmax 11667 gives radii up to 11600 (146 steps); variant 3 is
// bound by half the side, 7500 (radii up to 7440, 94 steps).
INSTANTIATE_TEST_SUITE_P(
    Effects, TwoCircles,
    testing::Values(VariantCase{0.0, {{15000, 7500}, {0, 7500}}, 146},
                    VariantCase{0.3, {{7500, 0}, {7500, 15000}}, 146},
                    VariantCase{0.6, {{7500, 0}, {7500, 15000}, {15000, 7500}, {0, 7500}}, 94},
                    VariantCase{0.99, {{0, 0}, {15000, 0}, {0, 15000}, {15000, 15000}}, 146}));

TEST(Mosaic, ManyMissesInARowEndInOneFill) {
  // q 5: 50 misses in a row end the cells. One cell, then the same cell over and over.
  test::ScriptedRandom random({0.0, 0.0});
  std::int16_t q = 5;
  EffectPlan plan = MakeEffectPlan(8, kWide, q, random, [] { return false; });
  std::optional<EffectStep> cell = plan.steps.Next();
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->primitives[0], Box(0, 0, 5760, 3240));
  EXPECT_EQ(cell->pauseMs, 0);
  std::optional<EffectStep> fill = plan.steps.Next();
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->primitives[0], Box(0, 0, 28800, 16200));
  EXPECT_FALSE(plan.steps.Next());
}

TEST(Mosaic, MissCountStartsAgainForEachCell) {
  test::ScriptedRandom random;
  random.Add(0.0, 2);       // cell (0, 0)
  random.Add(0.0, 2 * 49);  // 49 misses
  random.Add(0.2);          // cell (1, 0)
  random.Add(0.0);
  random.Add(0.0, 2 * 49);  // 49 misses again: had the count carried over, the fill came first
  random.Add(0.4);          // cell (2, 2)
  random.Add(0.4);
  random.Add(0.0);  // then (0, 0) for ever: 50 misses and the fill
  std::int16_t q = 5;
  EffectPlan plan = MakeEffectPlan(8, kWide, q, random, [] { return false; });
  std::vector<Primitive> drawn;
  while (std::optional<EffectStep> step = plan.steps.Next()) drawn.push_back(step->primitives[0]);
  EXPECT_EQ(drawn,
            (std::vector<Primitive>{Box(0, 0, 5760, 3240), Box(5760, 0, 11520, 3240),
                                    Box(11520, 6480, 17280, 9720), Box(0, 0, 28800, 16200)}));
}

TEST(Mosaic, EndingShowStopsAfterTheCurrentCellWithoutTheFill) {
  test::ScriptedRandom random({0.0, 0.0, 0.5, 0.5});
  bool ending = false;
  std::int16_t q = 60;
  EffectPlan plan = MakeEffectPlan(8, kWide, q, random, [&ending] { return ending; });
  ASSERT_TRUE(plan.steps.Next());
  ending = true;
  EXPECT_FALSE(plan.steps.Next());
}

TEST(Mosaic, RealRandomCoversEveryCellOrFillsTheRest) {
  ClockSeededRandom random;
  std::vector<EffectStep> steps = AllSteps(8, kWide, random);
  ASSERT_GE(steps.size(), 2u);
  EXPECT_LE(steps.size(), 3601u);
  EXPECT_EQ(steps.back().primitives[0], Box(0, 0, 28800, 16200));
  // Cells are 480 x 270 twips on a 60 x 60 grid, each drawn once.
  std::set<std::pair<double, double>> cells;
  for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
    const Primitive& cell = steps[i].primitives[0];
    EXPECT_EQ(cell.x2 - cell.x1, 480);
    EXPECT_EQ(cell.y2 - cell.y1, 270);
    EXPECT_TRUE(cells.insert({cell.x1, cell.y1}).second);
  }
}

TEST(TopDown, EndingShowStopsBeforeTheNextBand) {
  test::ScriptedRandom random;
  int asked = 0;
  std::vector<EffectStep> steps = AllSteps(9, kWide, random, [&asked] { return ++asked > 3; });
  EXPECT_EQ(steps.size(), 3u);
}

TEST(Plans, GridSizeIsClampedAndWrittenBack) {
  test::ScriptedRandom random;
  for (const auto& [given, clamped] :
       {std::pair<std::int16_t, std::int16_t>{3, 5}, {150, 100}, {60, 60}, {-7, 5}}) {
    std::int16_t q = given;
    MakeEffectPlan(22, kWide, q, random, [] { return false; });
    EXPECT_EQ(q, clamped);
  }
}

TEST(Plans, CodesWithoutAnEffectHaveNoSteps) {
  test::ScriptedRandom random;
  for (std::int16_t code : {22, 0, 7, 23, -1, 32767}) {
    std::int16_t q = 60;
    EffectPlan plan = MakeEffectPlan(code, kWide, q, random, [] { return true; });
    EXPECT_FALSE(plan.steps.Next()) << code;
  }
}

TEST(Plans, OnlyVerticalSplitTakesTheForeColour) {
  test::ScriptedRandom random;
  for (std::int16_t code = 8; code <= 21; ++code) {
    std::int16_t q = 60;
    EXPECT_EQ(MakeEffectPlan(code, kWide, q, random, [] { return false; }).foreColorFromFill,
              code == 16);
  }
}

TEST(RandomEffect, PicksEachCodeFrom8To21AfterReseeding) {
  test::ScriptedRandom random({0.0, 0.5, 0.999999, 1.0 / 14});
  EXPECT_EQ(PickRandomEffect(random), 8);
  EXPECT_EQ(PickRandomEffect(random), 15);
  EXPECT_EQ(PickRandomEffect(random), 21);
  EXPECT_EQ(PickRandomEffect(random), 9);
  EXPECT_EQ(random.reseeds, 4);
  ClockSeededRandom real;
  for (int i = 0; i < 1000; ++i) {
    std::int16_t code = PickRandomEffect(real);
    ASSERT_GE(code, 8);
    ASSERT_LE(code, 21);
  }
}

}  // namespace
}  // namespace pgw
