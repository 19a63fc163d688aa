#include "launcher/settings.h"

#include <QGuiApplication>
#include <QScreen>

TForm1::TForm1() {
  setWindowTitle(QStringLiteral("Pagewheel"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(582, 403);
  setStyleSheet(QStringLiteral("background: white;"));
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
}
