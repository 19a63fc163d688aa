// Pagewheel.scr: decides from the command line and the open windows whether to run and
// which window to open, loads the settings, and opens the show or the settings window.
#include <QApplication>
#include <memory>
#include <optional>
#include <string>

#include "saver/dialog/form2.h"
#include "saver/settings/app_files.h"
#include "saver/show/form1.h"
#include "saver/startup/first_run.h"
#include "saver/startup/run_mode.h"
#include "saver/utilities/x11_windows.h"

namespace {

int Main(int argc, char** argv) {
  std::optional<pgw::RunMode> mode;
  {
    pgw::X11Windows windows;
    mode = pgw::DecideStartup(pgw::JoinArguments(argc, argv), windows);
  }
  if (!mode) return 0;

  auto settings = std::make_unique<pgw::SaverSettings>();
  pgw::LoadStartupSettings(*settings, pgw::ApplicationFolder());

  // Qt sees only the program name: every argument belongs to the saver.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QWidget* window = nullptr;
  if (*mode == pgw::RunMode::Configure || *mode == pgw::RunMode::First) {
    window = new pgw::Form2();
  } else {
    window = new pgw::Form1(*settings);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  return Main(argc, argv);
}
