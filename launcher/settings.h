#pragma once

#include <QWidget>

// The launcher panel; for now an empty window of its size with its caption.
class TForm1 : public QWidget {
 public:
  TForm1();
};
