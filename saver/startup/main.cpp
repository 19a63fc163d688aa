// Pagewheel.scr: decides from the command line and the open windows whether to run and
// which window to open, loads the settings, and opens the show or the settings window.
#include <unistd.h>

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

#include "saver/dialog/form2.h"
#include "saver/effects/random_source.h"
#include "saver/settings/app_files.h"
#include "saver/show/form1.h"
#include "saver/startup/first_run.h"
#include "saver/startup/run_mode.h"
#include "saver/utilities/qt_pointer.h"
#include "saver/utilities/session_lock.h"
#include "saver/utilities/x11_windows.h"

namespace {

int Main(int argc, char** argv) {
  std::optional<pgw::RunMode> mode;
  {
    pgw::X11Windows windows;
    mode = pgw::DecideStartup(pgw::JoinArguments(argc, argv), windows);
  }
  if (!mode) return 0;

  const std::string appFolder = pgw::ApplicationFolder();
  auto settings = std::make_unique<pgw::SaverSettings>();
  pgw::LoadStartupSettings(*settings, appFolder);

  // The browser engine refuses its sandbox when run as root (as CI does); only then is it
  // turned off.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Qt sees only the program name: every argument belongs to the saver.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);

  pgw::X11Windows windows;
  pgw::QtPointer pointer(windows);
  pgw::DesktopSessionLock sessionLock;
  pgw::ClockSeededRandom random;
  std::unique_ptr<QWidget> window;
  if (*mode == pgw::RunMode::Configure || *mode == pgw::RunMode::First) {
    window = std::make_unique<pgw::Form2>();
  } else {
    window = std::make_unique<pgw::Form1>(*settings, appFolder,
                                          pgw::ShowPlatform{pointer, sessionLock, random});
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
