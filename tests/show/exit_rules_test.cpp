#include "saver/show/exit_rules.h"

#include <gtest/gtest.h>

namespace pgw {
namespace {

const ExitSettings kOnMove{"1", false};
const ExitSettings kOnMoveProtected{"1", true};
const ExitSettings kByBar{"2", false};
const ExitSettings kByBarProtected{"2", true};

// A show just activated with the pointer parked at (400, 300), past its grace period.
ExitState Watching(const ExitSettings& settings) {
  ExitState state;
  ActivateExitRules(state);
  for (int tick = 0; tick < 4; ++tick) {
    EXPECT_EQ(PointerWatchTick(state, settings, {400, 300}), ExitAction::None);
  }
  return state;
}

TEST(PointerWatch, GraceSwallowsTheJumpAndEarlyMoves) {
  ExitState state;
  state.PrevCursorX = 1000;
  state.PrevCursorY = 900;
  ActivateExitRules(state);
  // Four ticks after activation only follow the pointer, however far it goes.
  for (ScreenPoint at : {ScreenPoint{400, 300}, {0, 0}, {800, 600}, {10, 700}}) {
    EXPECT_EQ(PointerWatchTick(state, kOnMove, at), ExitAction::None);
  }
  EXPECT_EQ(state.MoveTicks, 5);
  EXPECT_EQ(PointerWatchTick(state, kOnMove, {14, 700}), ExitAction::EndShow);
}

struct MoveCase {
  int dx, dy;
  ExitAction onMove, protectedMove;
};

class PointerMoves : public testing::TestWithParam<MoveCase> {};

TEST_P(PointerMoves, EndTheShowFromFourPixels) {
  const MoveCase& c = GetParam();
  ExitState plain = Watching(kOnMove);
  EXPECT_EQ(PointerWatchTick(plain, kOnMove, {400 + c.dx, 300 + c.dy}), c.onMove);
  ExitState guarded = Watching(kOnMoveProtected);
  EXPECT_EQ(PointerWatchTick(guarded, kOnMoveProtected, {400 + c.dx, 300 + c.dy}), c.protectedMove);
  ExitState byBar = Watching(kByBar);
  EXPECT_EQ(PointerWatchTick(byBar, kByBar, {400 + c.dx, 300 + c.dy}), ExitAction::None);
}

INSTANTIATE_TEST_SUITE_P(
    Exit, PointerMoves,
    testing::Values(MoveCase{4, 0, ExitAction::EndShow, ExitAction::LockOrAskPassword},
                    MoveCase{0, 4, ExitAction::EndShow, ExitAction::LockOrAskPassword},
                    MoveCase{-4, 0, ExitAction::EndShow, ExitAction::LockOrAskPassword},
                    MoveCase{0, -200, ExitAction::EndShow, ExitAction::LockOrAskPassword},
                    MoveCase{3, 3, ExitAction::None, ExitAction::None},
                    MoveCase{-3, 3, ExitAction::None, ExitAction::None},
                    MoveCase{0, 0, ExitAction::None, ExitAction::None}));

TEST(PointerWatch, SlowDriftNeverEndsTheShow) {
  ExitState state = Watching(kOnMove);
  for (int tick = 1; tick <= 100; ++tick) {
    ASSERT_EQ(PointerWatchTick(state, kOnMove, {400 + 3 * tick, 300 - 3 * tick}), ExitAction::None);
  }
  EXPECT_EQ(state.MoveTicks, 30);
}

TEST(PointerWatch, OpenPasswordPanelKeepsTheFocusInsteadOfEnding) {
  ExitState state = Watching(kOnMoveProtected);
  state.PasswordPanelVisible = true;
  EXPECT_EQ(PointerWatchTick(state, kOnMoveProtected, {900, 900}), ExitAction::FocusPasswordBox);
}

TEST(ExitBar, ComesInAtTheEdgeAndLeavesPastOneHundred) {
  ExitState state = Watching(kByBar);
  EXPECT_EQ(state.ExitBarLeft, -495);
  PointerWatchTick(state, kByBar, {41, 300});
  EXPECT_EQ(state.ExitBarLeft, -495);
  PointerWatchTick(state, kByBar, {40, 300});
  EXPECT_EQ(state.ExitBarLeft, 0);
  PointerWatchTick(state, kByBar, {100, 300});
  ExitBarTick(state);
  EXPECT_EQ(state.ExitBarLeft, 0);  // between 41 and 100 the bar stays
  PointerWatchTick(state, kByBar, {101, 300});
  ExitBarTick(state);
  EXPECT_EQ(state.ExitBarLeft, -495);
  for (int second = 0; second < 10; ++second) ExitBarTick(state);
  EXPECT_EQ(state.ExitBarLeft, -495);  // stays just out of view
}

TEST(ExitBar, NeverComesInWhenMovesEndTheShow) {
  ExitState state = Watching(kOnMove);
  PointerWatchTick(state, kOnMove, {0, 300});
  EXPECT_EQ(state.ExitBarLeft, -495);
}

TEST(ExitBar, ClickEndsTheShowOrAsksForThePassword) {
  EXPECT_EQ(ExitBarClick(kByBar), ExitAction::EndShow);
  EXPECT_EQ(ExitBarClick(kByBarProtected), ExitAction::LockOrAskPassword);
}

struct InputCase {
  ExitSettings settings;
  bool panelOpen;
  ExitAction action;
};

class KeysAndClicks : public testing::TestWithParam<InputCase> {};

TEST_P(KeysAndClicks, HandleExitInput) {
  ExitState state;
  state.PasswordPanelVisible = GetParam().panelOpen;
  EXPECT_EQ(HandleExitInput(state, GetParam().settings), GetParam().action);
}

INSTANTIATE_TEST_SUITE_P(
    Exit, KeysAndClicks,
    testing::Values(InputCase{kOnMove, false, ExitAction::EndShow},
                    InputCase{kOnMoveProtected, false, ExitAction::LockOrAskPassword},
                    InputCase{kByBar, false, ExitAction::None},
                    InputCase{kByBarProtected, false, ExitAction::LockOrAskPassword},
                    InputCase{kOnMoveProtected, true, ExitAction::FocusPasswordBox},
                    InputCase{kByBarProtected, true, ExitAction::FocusPasswordBox}));

TEST(PointerDisplayCount, HideRequestsPileUp) {
  PointerDisplayCount pointer;
  EXPECT_TRUE(pointer.PointerVisible());
  pointer.Hide();  // load
  pointer.Hide();  // activation
  pointer.Show();  // a focus-keeper tick with the password panel open
  EXPECT_FALSE(pointer.PointerVisible());
  pointer.Show();
  EXPECT_TRUE(pointer.PointerVisible());
  EXPECT_EQ(pointer.count(), 0);
}

}  // namespace
}  // namespace pgw
