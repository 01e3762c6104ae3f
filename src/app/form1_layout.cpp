#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>

#include "app/form1.h"
#include "board/board_layout.h"
#include "board/control_factory.h"
#include "board/embedded_art.h"
#include "board/image_view.h"
#include "board/switched_hints.h"

namespace tintara {
namespace {

struct RadioPlace {
  const char* caption;
  QRect geometry;
};

// RadioButton1..8: two columns of four.
constexpr std::array<RadioPlace, 8> kRadioButtons = {{
    {"Male - Athletic", {8, 253, 103, 17}},
    {"Female - Athletic", {8, 269, 103, 17}},
    {"Pell Head", {8, 285, 103, 17}},
    {"Design Grid", {8, 301, 103, 17}},
    {"Male - Med.", {112, 253, 89, 17}},
    {"Female - Med.", {112, 269, 89, 17}},
    {"Male - Big", {112, 285, 89, 17}},
    {"Female - Big", {112, 301, 89, 17}},
}};

struct CaptionPlace {
  const char* name;
  const char* text;
  QRect geometry;
  Qt::Alignment alignment;
};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

// The group captions above and beside the slot rows.
constexpr std::array<CaptionPlace, 5> kGroupCaptions = {{
    {"Label3", "Bottom / Group 1", {258, 8, 108, 13}, kCentred},
    {"Label4", "Skin / Group 2", {258, 56, 108, 13}, kCentred},
    {"Label5", "Top / Group 3", {258, 104, 108, 13}, kCentred},
    {"Label22", "Buckle", {250, 153, 50, 13}, Qt::AlignRight | Qt::AlignTop},
    {"Label23", "or Eyes", {324, 153, 50, 13}, Qt::AlignLeft | Qt::AlignTop},
}};

template <typename Widget>
Widget* Named(Widget* widget, const char* name, QRect geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

void CreatePanel(QWidget* client) {
  auto* panel = Named(new QFrame(client), "Panel1", {253, 184, 122, 89});
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // The marker set labels show which set the loaded image uses; a load shows one of them.
  for (QLabel* set : {AddLabel(panel, "LSet1", "1", {4, 1, 7, 13}),
                      AddLabel(panel, "LSet2", "2", {111, 1, 7, 13})}) {
    SetTextColour(set, kGreyText);
    set->hide();
  }
  Named(new QCheckBox("Enlarge", panel), "CheckBox1", {31, 8, 59, 17});
  Named(new QPushButton("Reload", panel), "BRevert", {9, 30, 49, 25});
  auto* gee = Named(new QPushButton("Gee!", panel), "Button1", {66, 30, 48, 25});
  QFont bold = gee->font();
  bold.setBold(true);
  gee->setFont(bold);
  Named(new QPushButton("Apply Color Codes", panel), "BOldColors", {9, 59, 105, 21});
}

}  // namespace

void TForm1::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  setCentralWidget(client);

  auto* view = Named(new ImageView(client), "Image1", {384, 8, 65, 153});
  view->setPicture(DesignPicture());

  CreateSwatchControls(client);
  for (const CaptionPlace& caption : kGroupCaptions) {
    AddLabel(client, caption.name, caption.text, caption.geometry, caption.alignment);
  }
  SetHint(control<QLabel>("Label4"), "Click here to apply skin colors");
  CreatePanel(client);

  QLabel* size = AddLabel(client, "Label1", "", {254, 279, 123, 13}, kCentred);
  SetTextColour(size, kGreyText);

  for (std::size_t i = 0; i < kRadioButtons.size(); ++i) {
    auto* radio = new QRadioButton(kRadioButtons[i].caption, client);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    radio->setGeometry(kRadioButtons[i].geometry);
  }
  control<QRadioButton>("RadioButton2")->setChecked(true);

  for (int g = 1; g <= 4; ++g) {
    auto* group = new QCheckBox(client);
    group->setObjectName(QStringLiteral("DBGroup%1").arg(g));
    group->setGeometry(280 + 18 * (g - 1), 297, 17, 17);
    group->setChecked(true);
  }

  Named(new QLineEdit(QString::fromLatin1(kDefaultCodeString), client), "Edit1", {8, 320, 352, 21});
  auto* restore = Named(new QToolButton(client), "BitBtn1", {362, 320, 22, 22});
  restore->setIcon(RestoreGlyph());

  for (const SwitchedHint& switched : kSwitchedHints) {
    SetHint(control<QWidget>(switched.control), switched.hint);
  }
}

}  // namespace tintara
