#include "app/gallery_window.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/accessible_windows.h"
#include "board/control_names.h"
#include "board/flow_layout.h"
#include "board/gallery_cell.h"
#include "board/shown_caption.h"

namespace tintara {
namespace {

constexpr int kLargestZoom = 3;
constexpr QSize kStartSize(820, 620);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Heading(const std::string& text, QWidget* parent) {
  auto* heading = new QLabel(Text(text), parent);
  QFont font = heading->font();
  font.setBold(true);
  heading->setFont(font);
  return heading;
}

}  // namespace

GalleryWindow::GalleryWindow(const std::string& programDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), pictures_(ReadGalleryPictures(programDirectory)) {
  InstallAccessibleWindows();
  setObjectName("GalleryWindow");
  // Open beside the main window, it does not keep the program running once that one is closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle("Gallery");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(createZoomChoice());
  auto* scroller = new QScrollArea(this);
  scroller->setAccessibleName("Gallery pictures");
  scroller->setWidgetResizable(true);
  scroller->setWidget(createPictures());
  layout->addWidget(scroller);
  resize(kStartSize);
}

QWidget* GalleryWindow::createZoomChoice() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Zoom:", row));
  auto* group = new QButtonGroup(row);
  for (int zoom = 1; zoom <= kLargestZoom; ++zoom) {
    auto* button = new QRadioButton(QStringLiteral("&%1x").arg(zoom), row);
    button->setObjectName(GalleryZoomName(zoom));
    button->setChecked(zoom == 1);
    group->addButton(button, zoom);
    layout->addWidget(button);
  }
  layout->addStretch();
  connect(group, &QButtonGroup::idClicked, this, &GalleryWindow::setZoom);
  auto* save = new QPushButton("&Save Gallery As...", row);
  save->setObjectName("SaveGallery1");
  connect(save, &QPushButton::clicked, this, &GalleryWindow::saveRequested);
  layout->addWidget(save);
  return row;
}

// Creation order is tab order: the pictures in gallery order.
QWidget* GalleryWindow::createPictures() {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  QWidget* block = nullptr;
  const std::string* heading = nullptr;
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    const GalleryPicture& picture = pictures_[i];
    if (heading == nullptr || *heading != picture.entry.heading) {
      heading = &picture.entry.heading;
      layout->addWidget(Heading(*heading, content));
      block = new QWidget(content);
      new FlowLayout(block);
      layout->addWidget(block);
    }
    auto* cell = new GalleryCell(Text(picture.entry.caption), block);
    cell->setObjectName(GalleryPictureName(static_cast<int>(i) + 1));
    if (picture.loaded) {
      cell->setAccessibleDescription("Loads the picture in the main window with these codes");
      connect(cell, &GalleryCell::clicked, this,
              [this, i] { Q_EMIT pictureChosen(pictures_[i].entry); });
    } else {
      const QString reason = Text(picture.loaded.problem().message);
      cell->setToolTip(PlainToolTip(reason));
      cell->setAccessibleDescription(reason);
    }
    block->layout()->addWidget(cell);
    cells_.push_back(cell);
  }
  layout->addStretch();
  return content;
}

void GalleryWindow::showCodes(const std::string& codes) {
  if (painted_ && codes == codes_) return;
  // The code strings the window gives are written by the program and always read whole.
  if (PaintGalleryPictures(pictures_, codes, vision_)) return;
  codes_ = codes;
  painted_ = true;
  for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i]->showPicture(&pictures_[i].painted);
}

void GalleryWindow::setVision(Vision vision) {
  if (vision == vision_) return;
  vision_ = vision;
  painted_ = false;
  showCodes(codes_);
}

void GalleryWindow::setZoom(int zoom) {
  zoom_ = zoom;
  for (GalleryCell* cell : cells_) cell->setZoom(zoom);
}

}  // namespace tintara
