#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "paint/harmony.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tintara {

// "Random Codes...": how "Gee!" rolls (the harmony mode, and whether the skin group may take any
// colour) and the seed of the last roll, which "Roll Again" rolls from (rollAgain) with the mode
// shown, leaving the dialog open. The seed may be edited; while its text is no seed (0 to
// 4294967295) "Roll Again" is off and the dialog says why. OK keeps the settings for "Gee!".
// While "Gee!" draws from a palette's codes the dialog names the palette, and "Clear" ends that at
// once (clearDrawingChosen), whatever OK or Cancel does after.
class RandomCodesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RandomCodesDialog(QWidget* parent);

  void showSettings(const RandomCodeSettings& settings, std::uint32_t lastSeed);
  RandomCodeSettings settings() const;
  // Nothing while the text is no seed.
  std::optional<std::uint32_t> seed() const;

  QComboBox* modeBox() const { return mode_; }
  QCheckBox* anyColourCheck() const { return anyColour_; }
  QLineEdit* seedEdit() const { return seed_; }
  QPushButton* rollAgainButton() const { return rollAgain_; }

 Q_SIGNALS:
  void rollAgain(std::uint32_t seed, tintara::RandomCodeSettings settings);
  void clearDrawingChosen();

 private:
  void showWhetherSeed();
  void showDrawingCodes();

  QComboBox* mode_;
  QCheckBox* anyColour_;
  QLineEdit* seed_;
  QLabel* seedProblem_;
  QPushButton* rollAgain_;
  QLabel* drawingFrom_;
  QPushButton* clearDrawing_;
  std::optional<DrawingCodes> drawFrom_;  // as shown, carried into the settings
};

}  // namespace tintara
