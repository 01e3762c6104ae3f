#include "app/suggest_fixes_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "board/qcolor_conversion.h"
#include "paint/readability.h"
#include "paint/readability_fixes.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

constexpr int kSwatchSize = 16;

QPushButton* FixButton(int slot, std::int32_t code, QWidget* parent) {
  QPixmap swatch(kSwatchSize, kSwatchSize);
  swatch.fill(ToQColor(ReferenceColour(code)));
  auto* button = new QPushButton(QIcon(swatch), QString::number(code), parent);
  button->setObjectName(QStringLiteral("Fix%1Code%2").arg(slot).arg(code));
  button->setAccessibleName(QStringLiteral("Fix slot %1 with code %2").arg(slot).arg(code));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

SuggestFixesDialog::SuggestFixesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("SuggestFixes");
  setWindowTitle("Suggest Fixes");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close_ = buttons->button(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  list_ = new QWidget(this);
  rows_ = new QVBoxLayout(list_);
  rows_->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

// The list is made again each time: a fix changes the pairs and their suggestions.
void SuggestFixesDialog::showDocument(const Document& document) {
  while (QLayoutItem* row = rows_->takeAt(0)) {
    // Later: the button pressed may be in it, still in its signal.
    if (QWidget* widget = row->widget()) {
      widget->hide();
      widget->deleteLater();
    }
    delete row;
  }
  const std::vector<ReadabilityPair> pairs = UnreadablePairs(document);
  QPushButton* first = nullptr;
  if (pairs.empty()) {
    auto* none = new QLabel(QString::fromStdString(ReadabilityReport(pairs)), list_);
    none->setTextFormat(Qt::PlainText);
    rows_->addWidget(none);
  }
  for (const ReadabilityPair& pair : pairs) {
    auto* row = new QWidget(list_);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(QString::fromStdString(ReadabilityText(pair)), row);
    text->setTextFormat(Qt::PlainText);
    line->addWidget(text);
    const std::optional<int> slot = SlotToFix(pair, document.locks);
    const std::vector<std::int32_t> codes = FixSuggestions(document, pair);
    if (!slot) {
      line->addWidget(new QLabel("both slots are locked", row));
    } else if (codes.empty()) {
      line->addWidget(new QLabel("no code fixes it", row));
    } else {
      line->addWidget(new QLabel(QStringLiteral("Slot %1:").arg(*slot), row));
    }
    for (const std::int32_t code : codes) {
      QPushButton* button = FixButton(*slot, code, row);
      connect(button, &QPushButton::clicked, this,
              [this, fixed = *slot, code] { Q_EMIT fixChosen(fixed, code); });
      line->addWidget(button);
      if (first == nullptr) first = button;
    }
    line->addStretch();
    rows_->addWidget(row);
  }
  // The buttons pressed last are gone: the focus goes to the first suggestion left, else Close.
  if (first != nullptr) {
    first->setFocus();
  } else {
    close_->setFocus();
  }
}

}  // namespace tintara
