// The controls of the main window, at their places in the client area. Creation order is tab
// order: the panel's buttons, the body radio buttons, the slot panel with its skin caption and
// group checks, the edit box, restore, then the picture; the swatch board, made first, goes before
// the slot panel, so that Tab and Shift+Tab go between the two. The client area scrolls when the
// window is made smaller than it.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

#include "app/embedded_art.h"
#include "app/main_window.h"
#include "board/control_factory.h"
#include "board/control_names.h"
#include "board/notice.h"
#include "board/picture_badge.h"
#include "board/picture_scroller.h"
#include "board/picture_view.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "board/switched_hints.h"

namespace tintara {
namespace {

// RadioButton1..8: two columns of four.
constexpr std::array<QRect, kBodyCount> kBodyPlaces = {{
    {8, 253, 103, 17},
    {8, 269, 103, 17},
    {8, 285, 103, 17},
    {8, 301, 103, 17},
    {112, 253, 89, 17},
    {112, 269, 89, 17},
    {112, 285, 89, 17},
    {112, 301, 89, 17},
}};

template <typename Widget>
Widget* Named(Widget* widget, const char* name, QRect geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

}  // namespace

void MainWindow::createControls() {
  auto* area = new QScrollArea(this);
  area->setObjectName("ClientArea");
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);
  area->setWidgetResizable(true);
  auto* client = new QWidget;
  client->setObjectName("client");
  area->setWidget(client);
  setCentralWidget(area);

  picture_ = new PictureView(nullptr);
  picture_->setObjectName("Image1");
  // Reached by Tab, to scroll it with the keys; a click leaves the focus where it is.
  picture_->setFocusPolicy(Qt::TabFocus);
  pictureScroller_ = Named(new PictureScroller(picture_, client), "ImageScroll", {384, 8, 65, 153});
  notice_ = new Notice(pictureScroller_);
  visionBadge_ = new PictureBadge(pictureScroller_);
  pictureScroller_->setFocusPolicy(Qt::NoFocus);  // the picture inside it takes the focus
  board_ = new SwatchBoard(client);
  QWidget* panel = createPanel(client);
  sizeLabel_ = AddLabel(client, "Label1", "", {254, 279, 123, 13}, Qt::AlignHCenter | Qt::AlignTop);
  SetTextColour(sizeLabel_, kGreyText);
  for (int body = 1; body <= kBodyCount; ++body) {
    auto* radio = new QRadioButton(client);
    radio->setObjectName(RadioButtonName(body));
    radio->setGeometry(kBodyPlaces[static_cast<std::size_t>(body - 1)]);
    bodies_[static_cast<std::size_t>(body - 1)] = radio;
  }
  slots_ = new SlotPanel(client, panel);
  setTabOrder(bodies_.back(), board_);
  codeEdit_ = Named(new QLineEdit(client), "Edit1", {8, 320, 352, 21});
  codeEdit_->setAccessibleName("Code string");
  restore_ = Named(new QToolButton(client), "BitBtn1", {362, 320, 22, 22});
  restore_->setIcon(RestoreGlyph());
  restore_->setAccessibleName("Restore last codes");
  setTabOrder(restore_, picture_);

  for (const SwitchedHint& switched : kSwitchedHints) {
    auto* control = findChild<QWidget*>(switched.control);
    SetHint(control, switched.hint);
    switchedHints_.push_back(control);
  }
}

QWidget* MainWindow::createPanel(QWidget* client) {
  auto* panel = Named(new QFrame(client), "Panel1", {253, 184, 122, 89});
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  enlarge_ = Named(new QCheckBox("Enlarge", panel), "CheckBox1", {31, 8, 59, 17});
  reload_ = Named(new QPushButton("Reload", panel), "BRevert", {9, 30, 49, 25});
  gee_ = Named(new QPushButton("Gee!", panel), "Button1", {66, 30, 48, 25});
  QFont bold = gee_->font();
  bold.setBold(true);
  gee_->setFont(bold);
  applyCodes_ = Named(new QPushButton("Apply Color Codes", panel), "BOldColors", {9, 59, 105, 21});
  return panel;
}

}  // namespace tintara
