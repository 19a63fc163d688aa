// Drawing the steps of an effect plan with QPainter: twips become pixels, pens are round
// and as wide as the step asks, and nothing is smoothed, so the background colour comes
// out exact.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <optional>
#include <string_view>

#include "saver/effects/effect_plan.h"

namespace pgw {

// The colour of a settings colour text (red in the low byte); nothing when the text is
// not a whole number from 0 to 16777215, in which case nothing is drawn in it.
std::optional<QColor> ColorFromSetting(std::string_view text);

struct EffectColors {
  std::optional<QColor> fill;  // the background colour
  QColor fore;                 // the box's fore colour
};

// Draws the primitives of `step` in order; a primitive whose colour is missing is left out.
void DrawStep(QPainter& painter, const EffectStep& step, const EffectColors& colors);

// The pixels a step can change: the bounds of boxes and circles, and for a line a chain
// of small boxes along it rather than the whole rectangle it spans.
QRegion StepRegion(const EffectStep& step);

// The pixels a step paints entirely (the inside of its filled boxes), where its colour is
// there to paint with.
QRegion StepCoverage(const EffectStep& step, const EffectColors& colors);

// Plays a whole plan onto `image` at once, without pauses. Returns the number of steps.
int DrawWholePlan(QImage& image, EffectPlan& plan, EffectColors colors);

}  // namespace pgw
