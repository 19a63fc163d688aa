#include "saver/effects/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace pgw {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

EffectBox PictureBox::Box() const {
  const std::int32_t twips = kTwipsPerPixel;
  return {x() * twips,      y() * twips,     width() * twips,
          height() * twips, width() * twips, height() * twips};
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& area : event->region()) {
    painter.fillRect(area, Qt::white);
    if (!picture_.isNull()) painter.drawImage(area.topLeft(), picture_, area);
  }
}

}  // namespace pgw
