#pragma once

#include <QWidget>

#include "saver/settings/saver_settings.h"

namespace pgw {

// The show window: frameless, covering the screen, ended by a key or a click.
// For now it lists the entries it is going to show.
class Form1 : public QWidget {
 public:
  explicit Form1(const SaverSettings& settings);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const SaverSettings& settings_;
};

}  // namespace pgw
