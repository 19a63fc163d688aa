// The baseline for the show: the least a Qt program does to show a local web page the way
// the show does, one frameless QWebEngineView that covers the screen, with nothing of the
// show's own (settings, timers, effects, exit rules). Given a second page and an interval
// in milliseconds, it loads the two pages in turn at that pace, as a show without effects
// would; it runs until it is ended.
//
// Usage: bare_webview PAGE [SECOND_PAGE INTERVAL_MS]
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: %s PAGE [SECOND_PAGE INTERVAL_MS]\n", argv[0]);
    return 2;
  }
  // The browser engine refuses its sandbox when run as root, as the saver does.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);

  QWebEngineView view;
  view.setWindowTitle(QStringLiteral("Pagewheel baseline"));
  view.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  view.setGeometry(QGuiApplication::primaryScreen()->geometry());
  const QUrl pages[2] = {
      QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])),
      QUrl::fromLocalFile(QString::fromLocal8Bit(argc == 4 ? argv[2] : argv[1]))};
  view.load(pages[0]);
  view.show();

  int shown = 0;
  QTimer swap;
  QObject::connect(&swap, &QTimer::timeout, &view, [&] {
    shown = 1 - shown;
    view.load(pages[shown]);
  });
  if (argc == 4) swap.start(std::max(1, std::atoi(argv[3])));
  return app.exec();
}
