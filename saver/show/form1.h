#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWebEngineView>
#include <QWidget>
#include <string>

#include "saver/effects/picture_box.h"
#include "saver/effects/random_source.h"
#include "saver/settings/saver_settings.h"
#include "saver/show/browser_geometry.h"
#include "saver/show/exit_rules.h"
#include "saver/show/rotation.h"
#include "saver/utilities/cmouse.h"
#include "saver/utilities/session_lock.h"

namespace pgw {

// What the show needs of the desktop, so tests can stand in for it.
struct ShowPlatform {
  PointerLayer& pointer;
  SessionLock& sessionLock;
  RandomSource& random;
};

// The show window: covers the screen with a browser that shows the entries one after
// another, changes them behind a transition effect, and ends by the exit rules.
class Form1 : public QWidget {
 public:
  Form1(SaverSettings& settings, std::string appFolder, ShowPlatform platform);
  ~Form1() override;

  // Puts an image of the whole screen into the capture box.
  void CaptureScreen();
  // Ends the show and the process.
  void EndShow();
  bool ShowEnding() const { return showEnding_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void LoadSetUp();
  void Activation();
  void RotationTick();
  void ChangeEntry();
  void RevealTick();
  void PointerWatchTick();
  void ExitBarTick();
  void FocusKeeperTick();
  void HandleExitInput();
  void Act(ExitAction action);
  void LockOrAskPassword();
  void OpenPasswordPanel();
  void ClosePasswordPanel();
  void PasswordChanged(const QString& text);
  void NavigateToBackgroundPage();
  void NavigateToEntry(int index);
  void SetBrowserGeometry(const BrowserRect& twips);
  void HideRequest();
  void ShowRequest();
  void Unload();

  SaverSettings& settings_;
  const std::string appFolder_;
  ShowPlatform platform_;
  CMouse mouse_;
  ExitSettings exitSettings_;
  ExitState exit_;
  RotationState rotation_;
  PointerDisplayCount pointerCount_;
  bool pointerBlanked_ = false;
  float ScreenWidthAtLoad = 0;
  bool showEnding_ = false;
  bool transitionPlaying_ = false;
  bool lockPending_ = false;
  bool unloaded_ = false;

  QFrame* Frame1 = nullptr;        // exit bar
  QLabel* Image1 = nullptr;        // its CLOSE picture
  PictureBox* Picture2 = nullptr;  // capture box
  QWidget* Text3 = nullptr;        // key catcher
  QWidget* Picture1 = nullptr;     // page area
  QFrame* Frame2 = nullptr;        // clock panel
  QLabel* Label1 = nullptr;        // clock text
  QFrame* Frame3 = nullptr;        // password panel
  QLineEdit* Text1 = nullptr;      // password box
  QWebEngineView* WebBrowser1 = nullptr;
  QTimer Timer1;  // rotation
  QTimer Timer2;  // pointer watch
  QTimer Timer3;  // exit-bar hiding
  QTimer Timer4;  // clock
  QTimer Timer5;  // focus and pointer keeper
  QTimer Timer6;  // browser reveal
};

}  // namespace pgw
