// Pagewheel.exe: the launcher panel.
#include <QApplication>

#include "launcher/settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pagewheel settings"));
  auto* form = new TForm1();
  form->show();
  return app.exec();
}
