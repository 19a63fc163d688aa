// The one QApplication of a test process, made on first use.
#pragma once

#include <QApplication>

namespace pgw::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "pagewheel-test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

}  // namespace pgw::test
