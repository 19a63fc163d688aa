// When the show ends: the pointer watch, the exit bar, keys and clicks, and the pointer
// display count, as rules the show window follows.
#pragma once

#include <string>

#include "saver/utilities/pointer_layer.h"

namespace pgw {

// What the show window does after an exit rule has run.
enum class ExitAction {
  None,
  EndShow,
  LockOrAskPassword,  // the protected way out
  FocusPasswordBox,   // the password panel is open: keep the focus in its text box
};

// Exit-bar positions in twips: in view at 0, out of view at minus its width.
inline constexpr int kExitBarWidth = 495;

// The show state the exit rules read and change.
struct ExitState {
  int CursorX = 0;
  int CursorY = 0;
  int PrevCursorX = 0;
  int PrevCursorY = 0;
  int MoveTicks = 0;  // pointer-watch ticks since activation; 1 right after it, at most 30
  int ExitBarLeft = -kExitBarWidth;
  bool PasswordPanelVisible = false;
};

// The settings the exit rules read.
struct ExitSettings {
  std::string ExitMode = "1";  // "1": end on a move or key; "2": end by the exit bar
  bool PasswordProtection = false;
};

// Activation: the pointer watch starts a new grace period and the exit bar leaves view.
void ActivateExitRules(ExitState& state);

// The pointer watch, every 300 ms. In exit mode 1, after a grace of four ticks from
// activation, a move of more than 3 pixels on either axis since the tick before ends the
// show (or asks for the password); in exit mode 2 the pointer at x <= 40 brings the exit
// bar into view.
ExitAction PointerWatchTick(ExitState& state, const ExitSettings& settings, ScreenPoint pointer);

// The exit-bar hiding, every second: once the pointer is right of 100 pixels the bar
// leaves view, and stays just out of view.
void ExitBarTick(ExitState& state);

// A key press, or a click on the frozen picture.
ExitAction HandleExitInput(const ExitState& state, const ExitSettings& settings);

// A click on the exit bar.
ExitAction ExitBarClick(const ExitSettings& settings);

// The pointer display count: hide requests lower it, show requests raise it, and the
// pointer is drawn only while it is 0 or more. Requests are not balanced.
class PointerDisplayCount {
 public:
  void Hide() { --count_; }
  void Show() { ++count_; }
  bool PointerVisible() const { return count_ >= 0; }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace pgw
