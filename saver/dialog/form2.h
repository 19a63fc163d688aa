#pragma once

#include <QWidget>

namespace pgw {

// The settings window; for now an empty window of its size with its caption.
class Form2 : public QWidget {
 public:
  Form2();
};

}  // namespace pgw
