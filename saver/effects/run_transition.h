#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRegion>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "saver/effects/effect_drawing.h"
#include "saver/effects/picture_box.h"

namespace pgw {

// Plays an effect plan on a picture box: each step is drawn onto the box's picture and
// only what it changed is repainted; each pause is waited on a timer, so the show's
// timers and input run between steps. Steps are due at the sum of the pauses before
// them, so drawing and repainting do not stretch the effect. The player belongs to the
// box and stops with it.
class TransitionPlayer : public QObject {
 public:
  TransitionPlayer(PictureBox& target, EffectPlan plan, std::optional<QColor> fill,
                   std::function<void()> onEnd);

 private:
  void Tick();
  void Draw(const EffectStep& step);

  PictureBox& target_;
  EffectPlan plan_;
  std::optional<QColor> fill_;
  std::function<void()> onEnd_;
  std::optional<EffectStep> pending_;  // drawn when its pause is over
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 dueMs_ = 0;  // when the next step is due, from the start of the effect
  // What the effect has painted entirely so far: it does not change again, since every
  // step paints in the same colour. Kept while it stays a handful of rectangles.
  QRegion painted_;
  bool trackPainted_ = true;
};

// Starts effect `code` on `target` in the colour `backColor` (a settings colour text).
// `q`, the mosaic's grid size, is clamped to 5..100 and written back. `showEnding` tells
// whether the show is ending; `onEnd` is called once the effect has run out, but not
// when the target goes away first. `random` must outlive the effect.
void RunTransition(PictureBox& target, std::int16_t code, std::int16_t& q,
                   const std::string& backColor, RandomSource& random,
                   std::function<bool()> showEnding, std::function<void()> onEnd);

}  // namespace pgw
