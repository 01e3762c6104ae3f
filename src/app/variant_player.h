#pragma once

#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

namespace tintara {

// Plays code strings in turn, `rate` a second, over and over until stopped: each one is handed
// on as it comes (frameDue), the first at once. A key or a mouse button pressed anywhere in the
// program stops it and goes no further, so that it does nothing else.
class VariantPlayer : public QObject {
  Q_OBJECT

 public:
  explicit VariantPlayer(QObject* parent);

  void play(std::vector<std::string> codes, int rate);
  // Tells `stopped` when it was playing.
  void stop();
  bool playing() const { return timer_.isActive(); }

 Q_SIGNALS:
  void frameDue(const std::string& codes);
  void stopped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void next();

  QTimer timer_;
  std::vector<std::string> codes_;
  std::size_t next_ = 0;
};

}  // namespace tintara
