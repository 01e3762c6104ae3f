#include "app/palette_import_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "board/qcolor_conversion.h"
#include "paint/colour_names.h"
#include "paint/nearest_code.h"
#include "paint/palette_text.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

constexpr int kSwatchSize = 24;

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

QString HexOf(Colour colour) { return QString::fromStdString(HexColourText(colour)); }

// A swatch a colour, with its colour and nearest code under it, named in words for screen readers.
QListWidget* Swatches(const std::vector<CodeMatch>& matches, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName("PaletteColours");
  list->setAccessibleName("Palette colours and their nearest codes");
  list->setViewMode(QListView::IconMode);
  list->setMovement(QListView::Static);
  list->setResizeMode(QListView::Adjust);
  list->setWrapping(true);
  list->setIconSize(QSize(kSwatchSize, kSwatchSize));
  list->setGridSize(QSize(kSwatchSize * 3, kSwatchSize * 3));
  list->setMinimumSize(kSwatchSize * 3 * 8 + 8, kSwatchSize * 3 * 3);
  for (std::size_t i = 0; i < matches.size(); ++i) {
    const CodeMatch& match = matches[i];
    QPixmap swatch(kSwatchSize, kSwatchSize);
    swatch.fill(ToQColor(match.colour));
    auto* item = new QListWidgetItem(
        QIcon(swatch), HexOf(match.colour) + "\ncode " + QString::number(match.code), list);
    item->setData(Qt::AccessibleTextRole,
                  QStringLiteral("Colour %1, %2 %3, code %4")
                      .arg(i + 1)
                      .arg(QString::fromStdString(std::string(ColourName(match.colour))))
                      .arg(HexOf(match.colour))
                      .arg(match.code));
  }
  return list;
}

}  // namespace

PaletteImportDialog::PaletteImportDialog(const Palette& palette, QWidget* parent)
    : QDialog(parent) {
  setObjectName("PaletteImportDialog");
  setWindowTitle("Import Palette");
  std::vector<Colour> colours;
  for (const PaletteEntry& entry : palette.entries) colours.push_back(entry.colour);
  const std::vector<CodeMatch> matches = NearestCodes(colours);

  auto* layout = new QVBoxLayout(this);
  QString heading = QString::fromStdString(ShownText(palette.name)) + ": " +
                    QString::number(matches.size()) +
                    (matches.size() == 1 ? " colour" : " colours");
  if (palette.skippedSwatches > 0) {
    heading += QStringLiteral(", %1 CMYK or Lab swatches left out").arg(palette.skippedSwatches);
  }
  QLabel* name = PlainLabel(heading, this);
  name->setObjectName("PaletteName");
  layout->addWidget(name);
  layout->addWidget(Swatches(matches, this), 1);
  if (!matches.empty()) {
    const std::size_t worst = WorstMatch(matches);
    QLabel* worstMatch = PlainLabel(
        "Worst match: " + QString::fromStdString(MatchText(worst, matches[worst])), this);
    worstMatch->setObjectName("WorstMatch");
    layout->addWidget(worstMatch);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* apply = buttons->addButton("&Apply to Slots", QDialogButtonBox::AcceptRole);
  apply->setObjectName("ApplyToSlots");
  QPushButton* add = buttons->addButton("Add to Code &Book", QDialogButtonBox::ActionRole);
  add->setObjectName("AddToCodeBook");
  QPushButton* drawGee =
      buttons->addButton("&Draw Gee! from This Palette", QDialogButtonBox::ActionRole);
  drawGee->setObjectName("DrawGeeFromPalette");
  drawGee->setEnabled(!matches.empty());
  apply->setDefault(true);
  connect(apply, &QPushButton::clicked, this, [this] {
    Q_EMIT applyToSlotsChosen();
    accept();
  });
  connect(add, &QPushButton::clicked, this, [this] {
    Q_EMIT addToCodeBookChosen();
    accept();
  });
  std::vector<std::int32_t> codes;
  for (const CodeMatch& match : matches) codes.push_back(match.code);
  connect(drawGee, &QPushButton::clicked, this,
          [this, drawing = DrawingCodesNamed(ShownText(palette.name), codes)] {
            Q_EMIT drawGeeChosen(drawing);
            accept();
          });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace tintara
