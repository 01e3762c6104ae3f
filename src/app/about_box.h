#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tintara {

// The about box: a fixed box with a caption bar without buttons over a black client area with the
// emblem, the program's name, three credit lines, the version line and "OK". It is created once,
// hidden, and only shown and hidden after that.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent);

  // Centres the box over the window's outer rectangle (halves rounded toward zero), puts the
  // version text into the version line and centres that, and shows the box modally. Returns
  // when "OK" has closed it.
  void showCentredOver(const QWidget& window);

  QWidget* client() const { return client_; }
  QLabel* emblem() const { return emblem_; }
  QLabel* nameText() const { return name_; }
  QLabel* versionLine() const { return version_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* client_;
  QLabel* emblem_;
  QLabel* name_;
  QLabel* version_;  // sizes itself to its text
  QPushButton* ok_;
};

}  // namespace tintara
