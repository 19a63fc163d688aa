// The start-up baseline: the least a Qt Widgets program does to open the kind of window
// the saver's show opens, one plain frameless window that covers the screen, and then
// wait in the event loop until it is ended.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Pagewheel baseline"));
  window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  window.setGeometry(QGuiApplication::primaryScreen()->geometry());
  window.show();
  return app.exec();
}
