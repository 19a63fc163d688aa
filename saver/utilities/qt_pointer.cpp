#include "saver/utilities/qt_pointer.h"

#include <QCursor>

namespace pgw {

ScreenPoint QtPointer::Position() {
  const QPoint at = QCursor::pos();
  return {at.x(), at.y()};
}

void QtPointer::MoveTo(ScreenPoint point) {
  QCursor::setPos(point.x, point.y);
}

std::string QtPointer::TitleOfWindowAt(ScreenPoint point) {
  return windows_.TitleAt(point);
}

}  // namespace pgw
