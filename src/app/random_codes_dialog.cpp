#include "app/random_codes_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <limits>

namespace tintara {
namespace {

// In the order of Harmony.
constexpr std::array<const char*, 5> kModeCaptions = {"Free", "Analogous", "Complementary", "Triad",
                                                      "Tones of one hue"};
static_assert(kModeCaptions.size() == kHarmonyNames.size());

}  // namespace

RandomCodesDialog::RandomCodesDialog(QWidget* parent)
    : QDialog(parent),
      mode_(new QComboBox(this)),
      anyColour_(new QCheckBox("Any Colour for &Skin", this)),
      seed_(new QLineEdit(this)),
      seedProblem_(new QLabel(this)),
      rollAgain_(new QPushButton("&Roll Again", this)),
      drawingFrom_(new QLabel(this)),
      clearDrawing_(new QPushButton("&Clear", this)) {
  setObjectName("RandomCodes");
  setWindowTitle("Random Codes");
  setModal(true);
  for (const char* caption : kModeCaptions) mode_->addItem(caption);
  mode_->setObjectName("HarmonyMode");
  anyColour_->setObjectName("AnyColourForSkin");
  anyColour_->setToolTip(
      "In the harmony modes the skin group takes natural skin tones unless ticked");
  seed_->setObjectName("Seed");
  // Ten digits at most; the range is checked as the text changes.
  seed_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), seed_));
  seedProblem_->setObjectName("SeedProblem");
  rollAgain_->setObjectName("RollAgain");
  rollAgain_->setAutoDefault(false);
  drawingFrom_->setObjectName("DrawingFrom");
  drawingFrom_->setTextFormat(Qt::PlainText);  // a palette's name is outside text
  clearDrawing_->setObjectName("ClearDrawing");
  clearDrawing_->setAutoDefault(false);
  clearDrawing_->setAccessibleName("Clear the palette Gee! draws from");

  auto* form = new QFormLayout;
  auto* modeLabel = new QLabel("&Mode:", this);
  modeLabel->setBuddy(mode_);
  form->addRow(modeLabel, mode_);
  form->addRow(QString(), anyColour_);
  auto* drawing = new QHBoxLayout;
  drawing->addWidget(drawingFrom_, 1);
  drawing->addWidget(clearDrawing_);
  form->addRow(QString(), drawing);
  auto* seedLabel = new QLabel("S&eed of the last roll:", this);
  seedLabel->setBuddy(seed_);
  form->addRow(seedLabel, seed_);
  form->addRow(QString(), seedProblem_);
  form->addRow(QString(), rollAgain_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(form);
  layout->addWidget(buttons);

  showDrawingCodes();
  connect(seed_, &QLineEdit::textChanged, this, [this] { showWhetherSeed(); });
  connect(clearDrawing_, &QPushButton::clicked, this, [this] {
    drawFrom_.reset();
    showDrawingCodes();
    Q_EMIT clearDrawingChosen();
  });
  connect(rollAgain_, &QPushButton::clicked, this, [this] {
    if (const auto shown = seed()) Q_EMIT rollAgain(*shown, settings());
  });
}

void RandomCodesDialog::showSettings(const RandomCodeSettings& settings, std::uint32_t lastSeed) {
  mode_->setCurrentIndex(static_cast<int>(settings.harmony));
  anyColour_->setChecked(settings.anyColourForSkin);
  seed_->setText(QString::number(lastSeed));
  drawFrom_ = settings.drawFrom;
  showDrawingCodes();
}

RandomCodeSettings RandomCodesDialog::settings() const {
  return {.harmony = static_cast<Harmony>(mode_->currentIndex()),
          .anyColourForSkin = anyColour_->isChecked(),
          .drawFrom = drawFrom_};
}

std::optional<std::uint32_t> RandomCodesDialog::seed() const {
  bool number = false;
  const qulonglong value = seed_->text().toULongLong(&number);
  if (!number || value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

void RandomCodesDialog::showWhetherSeed() {
  const bool valid = seed().has_value();
  rollAgain_->setEnabled(valid);
  seedProblem_->setVisible(!valid);
  seedProblem_->setText(valid ? QString()
                              : QStringLiteral("A seed is a whole number from 0 to %1.")
                                    .arg(std::numeric_limits<std::uint32_t>::max()));
}

void RandomCodesDialog::showDrawingCodes() {
  drawingFrom_->setVisible(drawFrom_.has_value());
  clearDrawing_->setVisible(drawFrom_.has_value());
  if (!drawFrom_) return;
  const std::size_t count = drawFrom_->codes.size();
  // One pass, so that a name holding "%2" stays as it is.
  drawingFrom_->setText(QStringLiteral("Drawing from: %1 (%2 %3)")
                            .arg(QString::fromStdString(drawFrom_->name), QString::number(count),
                                 count == 1 ? "code" : "codes"));
}

}  // namespace tintara
