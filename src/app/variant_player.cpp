#include "app/variant_player.h"

#include <QCoreApplication>
#include <QEvent>

namespace tintara {

VariantPlayer::VariantPlayer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] { next(); });
}

void VariantPlayer::play(std::vector<std::string> codes, int rate) {
  stop();
  if (codes.empty() || rate <= 0) return;
  codes_ = std::move(codes);
  next_ = 0;
  timer_.start(1000 / rate);
  QCoreApplication::instance()->installEventFilter(this);
  next();
}

void VariantPlayer::stop() {
  if (!timer_.isActive()) return;
  timer_.stop();
  QCoreApplication::instance()->removeEventFilter(this);
  Q_EMIT stopped();
}

void VariantPlayer::next() {
  const std::string& codes = codes_[next_];
  next_ = (next_ + 1) % codes_.size();
  Q_EMIT frameDue(codes);
}

bool VariantPlayer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
      type == QEvent::MouseButtonDblClick) {
    stop();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tintara
