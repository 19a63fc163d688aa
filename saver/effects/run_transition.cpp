#include "saver/effects/run_transition.h"

#include <QPainter>
#include <algorithm>

namespace pgw {

TransitionPlayer::TransitionPlayer(PictureBox& target, EffectPlan plan, std::optional<QColor> fill,
                                   std::function<void()> onEnd)
    : QObject(&target),
      target_(target),
      plan_(std::move(plan)),
      fill_(fill),
      onEnd_(std::move(onEnd)) {
  if (target_.Picture().isNull()) {
    // Without a capture the box is white, and the effect draws over that.
    QImage white(target_.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    target_.SetPicture(std::move(white));
  }
  if (plan_.foreColorFromFill && fill_) target_.ForeColor = *fill_;
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  clock_.start();
  timer_.start(0);
}

void TransitionPlayer::Tick() {
  if (pending_) {
    Draw(*pending_);
    pending_.reset();
  }
  std::optional<EffectStep> step = plan_.steps.Next();
  if (!step) {
    std::function<void()> onEnd = std::move(onEnd_);
    deleteLater();
    if (onEnd) onEnd();
    return;
  }
  dueMs_ += step->pauseMs;
  if (step->pauseFirst) {
    pending_ = std::move(step);
  } else {
    Draw(*step);
  }
  timer_.start(static_cast<int>(std::max<qint64>(0, dueMs_ - clock_.elapsed())));
}

void TransitionPlayer::Draw(const EffectStep& step) {
  const EffectColors colors{fill_, target_.ForeColor};
  {
    QPainter painter(&target_.Picture());
    DrawStep(painter, step, colors);
  }
  QRegion changed = StepRegion(step).intersected(target_.rect());
  if (trackPainted_) {
    changed -= painted_;
    painted_ += StepCoverage(step, colors);
    trackPainted_ = painted_.rectCount() <= 16;
  }
  target_.update(changed);
}

void RunTransition(PictureBox& target, std::int16_t code, std::int16_t& q,
                   const std::string& backColor, RandomSource& random,
                   std::function<bool()> showEnding, std::function<void()> onEnd) {
  EffectPlan plan = MakeEffectPlan(code, target.Box(), q, random, std::move(showEnding));
  new TransitionPlayer(target, std::move(plan), ColorFromSetting(backColor), std::move(onEnd));
}

}  // namespace pgw
