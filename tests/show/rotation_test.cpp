#include "saver/show/rotation.h"

#include <gtest/gtest.h>

#include <vector>

#include "saver/show/browser_geometry.h"
#include "tests/effects/scripted_random.h"

namespace pgw {
namespace {

SaverSettings List(int entries, bool random, int pageCount = -1) {
  SaverSettings s;
  for (int i = 0; i < entries; ++i) s.Pages[static_cast<std::size_t>(i)] = "p" + std::to_string(i);
  s.PageCount = pageCount < 0 ? entries : pageCount;
  s.RandomOrder = random;
  return s;
}

// The first entry and the entries of `ticks` rotation ticks, as the show would go.
std::vector<int> Shown(const SaverSettings& s, RandomSource& random, int ticks) {
  RotationState state;
  std::vector<int> shown{ChooseFirstEntry(s, random)};
  state.LastIndex = shown[0];
  for (int i = 0; i < ticks; ++i) shown.push_back(ChooseNextEntry(state, s, random));
  return shown;
}

TEST(ListOrder, GoesThroughTheListAndWraps) {
  test::ScriptedRandom random;
  EXPECT_EQ(Shown(List(3, false), random, 6), (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
}

TEST(ListOrder, FirstRunSampleListWrapsAtTheFirstEmptyEntry) {
  test::ScriptedRandom random;
  EXPECT_EQ(Shown(List(2, false, 0), random, 5), (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST(ListOrder, GapEndsTheList) {
  SaverSettings s = List(4, false, 3);
  s.Pages[2].clear();
  test::ScriptedRandom random;
  EXPECT_EQ(Shown(s, random, 4), (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST(ListOrder, FullRecordWrapsAfterItsLastEntry) {
  test::ScriptedRandom random;
  std::vector<int> shown = Shown(List(kPageSlots, false), random, kPageSlots + 1);
  EXPECT_EQ(shown[1500], 1500);
  EXPECT_EQ(shown[1501], 0);
  EXPECT_EQ(shown[1502], 1);
}

TEST(RandomOrder, TwoEntriesAlternate) {
  test::ScriptedRandom random({0.0, 0.9, 0.1, 0.7, 0.3, 0.99});
  EXPECT_EQ(Shown(List(2, true), random, 5), (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST(RandomOrder, FirstEntryIsNeverTheLast) {
  for (double r : {0.0, 0.5, 0.999999}) {
    test::ScriptedRandom random({r});
    int first = ChooseFirstEntry(List(3, true), random);
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 1);
    EXPECT_EQ(random.reseeds, 1);
  }
}

// Three entries: after 0 always 1; after 1, 0 or 2 with even chances; after 2, 0 or 1.
struct SuccessorCase {
  int last;
  double r;
  int next;
};

class ThreeEntries : public testing::TestWithParam<SuccessorCase> {};

TEST_P(ThreeEntries, FollowTheRandomRule) {
  RotationState state{0, GetParam().last};
  test::ScriptedRandom random({GetParam().r});
  EXPECT_EQ(ChooseNextEntry(state, List(3, true), random), GetParam().next);
  EXPECT_EQ(state.LastIndex, GetParam().next);
  EXPECT_EQ(random.reseeds, 1);
}

INSTANTIATE_TEST_SUITE_P(Rotation, ThreeEntries,
                         testing::Values(SuccessorCase{0, 0.0, 1}, SuccessorCase{0, 0.49, 1},
                                         SuccessorCase{0, 0.5, 1}, SuccessorCase{0, 0.99, 1},
                                         SuccessorCase{1, 0.0, 0}, SuccessorCase{1, 0.49, 0},
                                         SuccessorCase{1, 0.5, 2}, SuccessorCase{1, 0.99, 2},
                                         SuccessorCase{2, 0.0, 0}, SuccessorCase{2, 0.49, 0},
                                         SuccessorCase{2, 0.5, 1}, SuccessorCase{2, 0.99, 1}));

TEST(RandomOrder, NeverTwiceInARowAndNeverOutsideTheList) {
  ClockSeededRandom random;
  for (int entries : {2, 3, 7, kPageSlots}) {
    std::vector<int> shown = Shown(List(entries, true), random, 2000);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      ASSERT_GE(shown[i], 0);
      ASSERT_LT(shown[i], entries);
      if (i == 0) continue;
      ASSERT_NE(shown[i], shown[i - 1]) << entries;
      // The last entry comes only right after the one before it.
      if (shown[i] == entries - 1) {
        ASSERT_EQ(shown[i - 1], entries - 2);
      }
    }
  }
}

TEST(RandomOrder, FirstRunListNeverIndexesBelowZero) {
  test::ScriptedRandom random({0.5});
  std::vector<int> shown = Shown(List(2, true, 0), random, 4);
  for (int entry : shown) EXPECT_EQ(entry, 0);
}

struct IntervalCase {
  const char* withhold;
  std::int64_t ms;
};

class Interval : public testing::TestWithParam<IntervalCase> {};

TEST_P(Interval, IsTheLeadingNumberInMilliseconds) {
  EXPECT_EQ(RotationIntervalMs(GetParam().withhold), GetParam().ms);
}

INSTANTIATE_TEST_SUITE_P(
    Rotation, Interval,
    testing::Values(IntervalCase{"10", 10000}, IntervalCase{"1", 1000}, IntervalCase{"60", 60000},
                    IntervalCase{"90", 90000}, IntervalCase{"100000", 100000000},
                    IntervalCase{"1.5", 1500}, IntervalCase{"0.0005", 0}, IntervalCase{"0.0015", 2},
                    IntervalCase{"12 seconds", 12000}, IntervalCase{"abc", 0}, IntervalCase{"", 0},
                    IntervalCase{"0", 0}, IntervalCase{"-5", 0}, IntervalCase{"1e12", 2147483647}));

TEST(Transition, CodeOfATick) {
  test::ScriptedRandom random({0.0, 0.999});
  EXPECT_EQ(TransitionForTick(7, random), 8);
  EXPECT_EQ(TransitionForTick(7, random), 21);
  EXPECT_EQ(random.reseeds, 2);
  for (std::int16_t code = 8; code <= 22; ++code) EXPECT_EQ(TransitionForTick(code, random), code);
  for (std::int16_t code : {0, 6, 23, -1, 32767}) EXPECT_EQ(TransitionForTick(code, random), -1);
}

TEST(BrowserGeometry, HiddenScrollBarsWidenTheBrowser) {
  const BrowserRect before{3, 4, 100, 100};
  EXPECT_EQ(LoadGeometry(before, 15360, 15360, 11520, true), (BrowserRect{3, 4, 15756, 11520}));
  EXPECT_EQ(LoadGeometry(before, 15360, 15360, 11520, false), (BrowserRect{3, 4, 15360, 11520}));
  EXPECT_FLOAT_EQ(ActivationGeometry(15360, 15360, 11520, true).width, 15636.48f);
  EXPECT_EQ(ActivationGeometry(15360, 15360, 11520, false), (BrowserRect{-5, -5, 15360, 11535}));
}

struct SizeCase {
  const char* displaySize;
  std::optional<BrowserRect> rect;  // in a 28800 x 16200 window
};

class FixedSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(FixedSizes, CentreExactlyTheirTexts) {
  EXPECT_EQ(FixedSizeGeometry(GetParam().displaySize, 28800, 16200), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(
    Rotation, FixedSizes,
    testing::Values(SizeCase{"640x480", BrowserRect{9600, 4500, 9600, 7200}},
                    SizeCase{"800x600", BrowserRect{8400, 3600, 12000, 9000}},
                    SizeCase{"1024x768", BrowserRect{6720, 2340, 15360, 11520}},
                    SizeCase{"1280x1024", BrowserRect{4800, 420, 19200, 15360}},
                    SizeCase{"1024X768", std::nullopt}, SizeCase{"Full", std::nullopt},
                    SizeCase{"", std::nullopt}, SizeCase{"1000x700", std::nullopt},
                    SizeCase{" 640x480", std::nullopt}));

}  // namespace
}  // namespace pgw
