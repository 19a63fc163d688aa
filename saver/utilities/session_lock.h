#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

namespace pgw {

// Locks the desktop session, the way out of a protected show.
class SessionLock {
 public:
  virtual ~SessionLock() = default;
  // Starts locking; `done` gets whether a lock took effect. Never blocks.
  virtual void Lock(std::function<void(bool locked)> done) = 0;
};

// The desktop's own locks, tried in turn until one answers yes: the freedesktop screen
// saver over D-Bus, then "loginctl lock-session", then "xdg-screensaver lock".
class DesktopSessionLock : public QObject, public SessionLock {
 public:
  void Lock(std::function<void(bool locked)> done) override;

 private:
  void TryCommand(std::size_t index, std::function<void(bool)> done);
};

}  // namespace pgw
