#include "saver/show/exit_rules.h"

#include <algorithm>
#include <cstdlib>

namespace pgw {
namespace {

constexpr int kGraceTicks = 4;
constexpr int kMaxMoveTicks = 30;
constexpr int kMovePixels = 3;    // a move counts from 4 pixels on either axis
constexpr int kBarInPixels = 40;  // the pointer this close to the left edge shows the bar
constexpr int kBarOutPixels = 100;

bool ExitsByBar(const ExitSettings& settings) {
  return settings.ExitMode == "2";
}

ExitAction ProtectedOrEnd(const ExitSettings& settings) {
  return settings.PasswordProtection ? ExitAction::LockOrAskPassword : ExitAction::EndShow;
}

}  // namespace

void ActivateExitRules(ExitState& state) {
  state.MoveTicks = 1;
  state.ExitBarLeft = -kExitBarWidth;
}

ExitAction PointerWatchTick(ExitState& state, const ExitSettings& settings, ScreenPoint pointer) {
  state.CursorX = pointer.x;
  state.CursorY = pointer.y;
  ExitAction action = ExitAction::None;
  if (!ExitsByBar(settings)) {
    if (state.MoveTicks > kGraceTicks) {
      if (state.PasswordPanelVisible) {
        action = ExitAction::FocusPasswordBox;
      } else if (std::abs(state.CursorX - state.PrevCursorX) > kMovePixels ||
                 std::abs(state.CursorY - state.PrevCursorY) > kMovePixels) {
        action = ProtectedOrEnd(settings);
      }
    }
  } else if (state.CursorX <= kBarInPixels) {
    state.ExitBarLeft = 0;
  }
  state.PrevCursorX = state.CursorX;
  state.PrevCursorY = state.CursorY;
  state.MoveTicks = std::min(state.MoveTicks + 1, kMaxMoveTicks);
  return action;
}

void ExitBarTick(ExitState& state) {
  if (state.CursorX <= kBarOutPixels) return;
  state.ExitBarLeft = std::max(state.ExitBarLeft - kExitBarWidth, -kExitBarWidth);
}

ExitAction HandleExitInput(const ExitState& state, const ExitSettings& settings) {
  if (state.PasswordPanelVisible) return ExitAction::FocusPasswordBox;
  if (settings.PasswordProtection) return ExitAction::LockOrAskPassword;
  return settings.ExitMode == "1" ? ExitAction::EndShow : ExitAction::None;
}

ExitAction ExitBarClick(const ExitSettings& settings) {
  return ProtectedOrEnd(settings);
}

}  // namespace pgw
