#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "saver/effects/effect_plan.h"

namespace pgw {

// A borderless box that shows a picture at its top-left corner, white where it has none.
// The show's capture box is one: it holds the frozen screen that effects draw on.
class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void SetPicture(QImage picture);
  QImage& Picture() { return picture_; }

  // Its place and size in its window, in twips.
  EffectBox Box() const;

  // Colour of lines drawn in the fore colour; effects may change it.
  QColor ForeColor = Qt::black;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace pgw
