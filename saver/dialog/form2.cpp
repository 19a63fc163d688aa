#include "saver/dialog/form2.h"

#include <QGuiApplication>
#include <QScreen>

#include "saver/texts.h"

namespace pgw {

Form2::Form2() {
  setWindowTitle(
      QString::fromLatin1(texts::kSettingsCaption.data(), texts::kSettingsCaption.size()));
  setFixedSize(644, 484);
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
}

}  // namespace pgw
