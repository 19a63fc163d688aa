#include "saver/utilities/session_lock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>

namespace pgw {
namespace {

struct LockCommand {
  const char* program;
  QStringList arguments;
};

const std::vector<LockCommand>& LockCommands() {
  static const std::vector<LockCommand> commands = {
      {"loginctl", {QStringLiteral("lock-session")}},
      {"xdg-screensaver", {QStringLiteral("lock")}},
  };
  return commands;
}

}  // namespace

void DesktopSessionLock::Lock(std::function<void(bool locked)> done) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    TryCommand(0, std::move(done));
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
      QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Lock"));
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, watcher, done = std::move(done)]() mutable {
            const bool locked = !watcher->isError();
            watcher->deleteLater();
            if (locked) {
              done(true);
            } else {
              TryCommand(0, std::move(done));
            }
          });
}

void DesktopSessionLock::TryCommand(std::size_t index, std::function<void(bool)> done) {
  if (index >= LockCommands().size()) {
    done(false);
    return;
  }
  auto* process = new QProcess(this);
  auto next = [this, process, index, done](bool locked) {
    process->deleteLater();
    if (locked) {
      done(true);
    } else {
      TryCommand(index + 1, done);
    }
  };
  connect(process, &QProcess::finished, this, [next](int code, QProcess::ExitStatus status) {
    next(status == QProcess::NormalExit && code == 0);
  });
  connect(process, &QProcess::errorOccurred, this, [next](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) next(false);
  });
  process->start(QString::fromLatin1(LockCommands()[index].program),
                 LockCommands()[index].arguments);
}

}  // namespace pgw
