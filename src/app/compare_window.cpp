#include "app/compare_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/accessible_windows.h"
#include "board/picture_image.h"
#include "paint/code_comparison.h"
#include "paint/painting.h"
#include "paint/slot_tables.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

// As the user reads it: the escapes of ShownText, never markup.
QString NameOf(const CodeBookEntry& entry) {
  return QString::fromStdString(ShownText(entry.name.value_or(entry.codes)));
}

}  // namespace

CompareWindow::CompareWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InstallAccessibleWindows();
  setObjectName("CompareWindow");
  setWindowTitle("Compare");
  zoom_ = new QComboBox(this);
  zoom_->setObjectName("CompareZoom");
  zoom_->addItems({"1x", "2x", "3x"});
  auto* zoomLabel = new QLabel("&Zoom", this);
  zoomLabel->setBuddy(zoom_);
  connect(zoom_, &QComboBox::currentIndexChanged, this, [this] { showPictures(); });
  auto* save = new QPushButton("&Save Comparison As...", this);
  save->setObjectName("SaveComparison1");
  connect(save, &QPushButton::clicked, this, &CompareWindow::saveRequested);

  strip_ = new QWidget;
  cells_ = new QGridLayout(strip_);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("CompareScroll");
  scroll->setAccessibleName("Compared pictures");
  scroll->setWidget(strip_);
  scroll->setWidgetResizable(true);

  slots_ = new QTableWidget(this);
  slots_->setObjectName("DifferingSlots");
  slots_->setAccessibleName("Slots that differ");
  slots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  slots_->verticalHeader()->hide();

  auto* top = new QHBoxLayout;
  top->addWidget(zoomLabel);
  top->addWidget(zoom_);
  top->addStretch();
  top->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(scroll, 3);
  layout->addWidget(slots_, 2);
  resize(720, 520);
}

void CompareWindow::compare(std::vector<CodeBookEntry> entries, const Document& document) {
  entries_ = std::move(entries);
  std::vector<std::string> codes;
  QStringList headers{"Slot", "Group"};
  for (const CodeBookEntry& entry : entries_) {
    codes.push_back(entry.codes);
    headers << NameOf(entry);
  }
  const std::vector<DifferingSlot> differing = DifferingSlots(codes);
  slots_->clear();
  slots_->setColumnCount(static_cast<int>(headers.size()));
  slots_->setHorizontalHeaderLabels(headers);
  slots_->setRowCount(static_cast<int>(differing.size()));
  for (int row = 0; row < static_cast<int>(differing.size()); ++row) {
    const DifferingSlot& slot = differing[static_cast<std::size_t>(row)];
    QStringList cells{QString::number(slot.slot),
                      QString::fromUtf8(kGroupNames[static_cast<std::size_t>(slot.group - 1)])};
    for (const auto& code : slot.codes) cells << (code ? QString::number(*code) : "-");
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
      slots_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
  }
  slots_->resizeColumnsToContents();
  showOn(document);
}

void CompareWindow::showOn(const Document& document) {
  pictures_.clear();
  for (const CodeBookEntry& entry : entries_) {
    Picture picture;
    // An entry whose codes stop at a bad token cannot be in the book: it shows unpainted.
    Expected<Document> painted = PaintedWithCodes(document, entry.codes);
    DrawPaintedPicture(painted ? *painted : document, picture);
    pictures_.push_back(std::move(picture));
  }
  showPictures();
}

void CompareWindow::setZoom(int zoom) { zoom_->setCurrentIndex(std::clamp(zoom, 1, 3) - 1); }

int CompareWindow::zoom() const { return zoom_->currentIndex() + 1; }

std::vector<std::string> CompareWindow::names() const {
  std::vector<std::string> names;
  for (const CodeBookEntry& entry : entries_) names.push_back(NameOf(entry).toStdString());
  return names;
}

void CompareWindow::showPictures() {
  while (QLayoutItem* item = cells_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  const int zoom = this->zoom();
  for (int i = 0; i < static_cast<int>(pictures_.size()); ++i) {
    const Picture& picture = pictures_[static_cast<std::size_t>(i)];
    auto* image = new QLabel(strip_);
    // Whole pixels, never smoothed, as the main window shows them.
    image->setPixmap(QPixmap::fromImage(
        ImageOver(picture).scaled(picture.width * zoom, picture.height * zoom,
                                  Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    const QString name = NameOf(entries_[static_cast<std::size_t>(i)]);
    image->setAccessibleName(name);
    auto* caption = new QLabel(name, strip_);
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(Qt::AlignHCenter);
    cells_->addWidget(image, 0, i, Qt::AlignHCenter | Qt::AlignBottom);
    cells_->addWidget(caption, 1, i, Qt::AlignHCenter | Qt::AlignTop);
  }
}

}  // namespace tintara
