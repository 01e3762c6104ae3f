#include "app/unit2.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/error_report.h"
#include "board/control_factory.h"
#include "board/embedded_art.h"

namespace tintara {
namespace {

constexpr QSize kClientSize(220, 223);
constexpr QPoint kDesignPosition(200, 111);

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
// is the only stop.
TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("Form2");
  setFixedSize(kClientSize);
  move(kDesignPosition);
  setFont(TextFont("MS Sans Serif", QFont::SansSerif, 11, false));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(75, 10, 62, 78);
  Image1->setPixmap(QPixmap::fromImage(Emblem()));

  StaticText1 = AddText(this, "StaticText1", "Tintara", {30, 87, 153, 32},
                        TextFont("Times New Roman", QFont::Serif, 24, true, true), Qt::red);
  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(80, 186, 53, 21);
  connect(Button1, &QPushButton::clicked, this, Reported([this] { Button1Click(); }));

  const QColor silver(0xC0, 0xC0, 0xC0);
  StaticText2 = AddText(this, "StaticText2", "Recolours skin bitmaps", {22, 116, 169, 18},
                        TextFont("Arial", QFont::SansSerif, 11, true), silver);
  StaticText3 = AddText(this, "StaticText3", "MIT licence", {60, 129, 93, 18},
                        TextFont("Arial", QFont::SansSerif, 11, false), silver);
  StaticText4 = AddText(this, "StaticText4", "Version 0.00.00", {62, 163, 90, 19},
                        TextFont("Arial", QFont::SansSerif, 12, false), Qt::yellow);
  StaticText4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  StaticText5 = AddText(this, "StaticText5", "Free software, made with Qt on Linux",
                        {8, 145, 206, 18}, TextFont("Arial", QFont::SansSerif, 11, false), silver);
}

// Ends the modal show with the cancel result, which hides the box for the next show.
void TForm2::Button1Click() { reject(); }

}  // namespace tintara
