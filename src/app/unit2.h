#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tintara {

// The about box: a fixed black box with the emblem, the program's name, three credit lines, the
// version line and "OK". It is created once, hidden, and only shown and hidden after that; the
// main window positions and fills it before every show.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

  void Button1Click();

  QLabel* Image1;
  QLabel* StaticText1;
  QLabel* StaticText2;
  QLabel* StaticText3;
  QLabel* StaticText4;  // the version line, which sizes itself to its text
  QLabel* StaticText5;
  QPushButton* Button1;
};

}  // namespace tintara
