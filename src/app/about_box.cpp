#include "app/about_box.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "app/caption_bar.h"
#include "app/embedded_art.h"
#include "board/control_factory.h"
#include "platform/version.h"

namespace tintara {
namespace {

constexpr QSize kClientSize(220, 223);
constexpr QPoint kDesignPosition(200, 111);
constexpr int kBorder = 1;

QFont TextFont(const char* family, QFont::StyleHint kind, int pixelSize, bool bold,
               bool italic = false) {
  QFont font(family);
  font.setStyleHint(kind);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QLabel* AddText(QWidget* box, const char* name, const QString& text, const QRect& place,
                const QFont& font, const QColor& colour) {
  QLabel* label = AddLabel(box, name, text, place, Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(font);
  SetTextColour(label, colour);
  return label;
}

}  // namespace

// The controls are created in their tab order; the texts cannot take the focus, so the button
// is the only stop. The box draws its own caption bar and border: a window manager that frames it
// may add buttons to the frame (Openbox always does) that the box must not have.
AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), client_(new QWidget(this)) {
  setObjectName("Form2");
  auto* caption = new CaptionBar(this);
  const int captionHeight = caption->sizeHint().height();
  caption->setGeometry(kBorder, kBorder, kClientSize.width(), captionHeight);
  client_->setObjectName("client");
  client_->setGeometry(kBorder, kBorder + captionHeight, kClientSize.width(), kClientSize.height());
  setFixedSize(kClientSize + QSize(2 * kBorder, 2 * kBorder + captionHeight));
  move(kDesignPosition);
  client_->setFont(TextFont("MS Sans Serif", QFont::SansSerif, 11, false));
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, Qt::black);
  client_->setPalette(palette);
  client_->setAutoFillBackground(true);

  emblem_ = new QLabel(client_);
  emblem_->setObjectName("Image1");
  emblem_->setGeometry(75, 10, 62, 78);
  emblem_->setPixmap(QPixmap::fromImage(Emblem()));

  name_ = AddText(client_, "StaticText1", "Tintara", {30, 87, 153, 32},
                  TextFont("Times New Roman", QFont::Serif, 24, true, true), Qt::red);
  ok_ = new QPushButton("OK", client_);
  ok_->setObjectName("Button1");
  ok_->setGeometry(80, 186, 53, 21);
  // Ends the modal show with the cancel result, which hides the box for the next show.
  connect(ok_, &QPushButton::clicked, this, &QDialog::reject);

  const QColor silver(0xC0, 0xC0, 0xC0);
  AddText(client_, "StaticText2", "Recolours skin bitmaps", {22, 116, 169, 18},
          TextFont("Arial", QFont::SansSerif, 11, true), silver);
  AddText(client_, "StaticText3", "MIT licence", {60, 129, 93, 18},
          TextFont("Arial", QFont::SansSerif, 11, false), silver);
  version_ = AddText(client_, "StaticText4", "Version 0.00.00", {62, 163, 90, 19},
                     TextFont("Arial", QFont::SansSerif, 12, false), Qt::yellow);
  version_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  AddText(client_, "StaticText5", "Free software, made with Qt on Linux", {8, 145, 206, 18},
          TextFont("Arial", QFont::SansSerif, 11, false), silver);
}

// The single fixed border around the caption bar and the client area.
void AboutBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Active, QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AboutBox::showCentredOver(const QWidget& window) {
  move(window.x() + (window.width() - width()) / 2, window.y() + (window.height() - height()) / 2);
  setWindowTitle(" About...");
  version_->setText(kVersionText);
  version_->adjustSize();
  version_->move((client_->width() - version_->width()) / 2, version_->y());
  exec();
}

}  // namespace tintara
