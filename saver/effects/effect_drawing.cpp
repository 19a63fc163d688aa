#include "saver/effects/effect_drawing.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "saver/settings/number_text.h"

namespace pgw {
namespace {

double Pixels(double twips) {
  return twips / kTwipsPerPixel;
}

QRectF CornersInPixels(const Primitive& p) {
  return QRectF(QPointF(Pixels(p.x1), Pixels(p.y1)), QPointF(Pixels(p.x2), Pixels(p.y2)))
      .normalized();
}

}  // namespace

std::optional<QColor> ColorFromSetting(std::string_view text) {
  std::optional<std::int32_t> value = TextToInt32(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return QColor(*value & 0xFF, (*value >> 8) & 0xFF, (*value >> 16) & 0xFF);
}

void DrawStep(QPainter& painter, const EffectStep& step, const EffectColors& colors) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const Primitive& p : step.primitives) {
    const std::optional<QColor> color = p.ink == Ink::Fill ? colors.fill : colors.fore;
    if (!color) continue;
    painter.setPen(QPen(*color, p.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (p.shape) {
      case Shape::FilledBox:
        painter.setBrush(*color);
        painter.drawRect(CornersInPixels(p));
        break;
      case Shape::Line:
        painter.drawLine(QPointF(Pixels(p.x1), Pixels(p.y1)), QPointF(Pixels(p.x2), Pixels(p.y2)));
        break;
      case Shape::Circle:
        painter.setBrush(Qt::NoBrush);
        if (p.x2 == 0) {
          // A circle without radius is the round dot of the pen.
          painter.drawPoint(QPointF(Pixels(p.x1), Pixels(p.y1)));
        } else {
          painter.drawEllipse(QPointF(Pixels(p.x1), Pixels(p.y1)), Pixels(p.x2), Pixels(p.x2));
        }
        break;
    }
  }
}

QRegion StepRegion(const EffectStep& step) {
  QRegion region;
  for (const Primitive& p : step.primitives) {
    const double margin = p.penWidth / 2.0 + 2;
    auto widened = [margin](QRectF r) {
      return r.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
    };
    switch (p.shape) {
      case Shape::FilledBox:
        region += widened(CornersInPixels(p));
        break;
      case Shape::Circle:
        region += widened(
            QRectF(Pixels(p.x1 - p.x2), Pixels(p.y1 - p.x2), Pixels(2 * p.x2), Pixels(2 * p.x2)));
        break;
      case Shape::Line: {
        const QPointF from(Pixels(p.x1), Pixels(p.y1));
        const QPointF to(Pixels(p.x2), Pixels(p.y2));
        const QPointF span = to - from;
        const double length = std::max(std::abs(span.x()), std::abs(span.y()));
        const int pieces = std::clamp(static_cast<int>(length / 48) + 1, 1, 64);
        for (int i = 0; i < pieces; ++i) {
          region += widened(
              QRectF(from + span * (double(i) / pieces), from + span * (double(i + 1) / pieces)));
        }
        break;
      }
    }
  }
  return region;
}

QRegion StepCoverage(const EffectStep& step, const EffectColors& colors) {
  QRegion covered;
  if (!colors.fill) return covered;
  for (const Primitive& p : step.primitives) {
    if (p.shape != Shape::FilledBox || p.ink != Ink::Fill) continue;
    const QRectF box = CornersInPixels(p);
    // Whole pixels inside the box: its edges may fall between pixels.
    const QRect inside(
        QPoint(static_cast<int>(std::ceil(box.left())), static_cast<int>(std::ceil(box.top()))),
        QPoint(static_cast<int>(std::floor(box.right())) - 1,
               static_cast<int>(std::floor(box.bottom())) - 1));
    if (inside.isValid()) covered += inside;
  }
  return covered;
}

int DrawWholePlan(QImage& image, EffectPlan& plan, EffectColors colors) {
  QPainter painter(&image);
  int steps = 0;
  if (plan.foreColorFromFill && colors.fill) colors.fore = *colors.fill;
  while (std::optional<EffectStep> step = plan.steps.Next()) {
    DrawStep(painter, *step, colors);
    ++steps;
  }
  return steps;
}

}  // namespace pgw
