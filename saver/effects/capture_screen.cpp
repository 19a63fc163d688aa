#include "saver/effects/capture_screen.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace pgw {

void CaptureScreen(PictureBox& picture2) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  picture2.resize(screen->geometry().size());
  QImage shot = screen->grabWindow(0).toImage();
  if (shot.format() != QImage::Format_RGB32) shot = shot.convertToFormat(QImage::Format_RGB32);
  picture2.SetPicture(std::move(shot));
}

}  // namespace pgw
