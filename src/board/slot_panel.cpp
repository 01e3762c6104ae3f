#include "board/slot_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <functional>
#include <utility>

#include "board/control_factory.h"
#include "board/control_names.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/document.h"

namespace tintara {
namespace {

// Where a slot's swatch and label stand.
struct SlotPlace {
  int swatchLeft, swatchTop;
  int labelLeft, labelTop;
};

constexpr std::array<SlotPlace, kSlotCount> kSlotPlaces = {{
    {256, 24, 252, 40},
    {280, 24, 276, 40},
    {304, 24, 300, 40},
    {328, 24, 324, 40},
    {352, 24, 349, 40},
    {256, 72, 252, 88},
    {280, 72, 276, 88},
    {304, 72, 300, 88},
    {328, 72, 324, 88},
    {352, 72, 349, 88},
    {256, 120, 252, 136},
    {280, 120, 276, 136},
    {304, 120, 300, 136},
    {328, 120, 324, 136},
    {352, 120, 349, 136},
    {304, 152, 300, 168},
}};

struct CaptionPlace {
  const char* name;
  const char* text;
  QRect geometry;
  Qt::Alignment alignment;
};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr std::size_t kSkinCaption = 1;

// The group captions above and beside the slot rows, groups 1..3, then group 4's pair.
constexpr std::array<CaptionPlace, 5> kCaptions = {{
    {"Label3", "Bottom / Group 1", {258, 8, 108, 13}, kCentred},
    {"Label4", "Skin / Group 2", {258, 56, 108, 13}, kCentred},
    {"Label5", "Top / Group 3", {258, 104, 108, 13}, kCentred},
    {"Label22", "Buckle", {250, 153, 50, 13}, Qt::AlignRight | Qt::AlignTop},
    {"Label23", "or Eyes", {324, 153, 50, 13}, Qt::AlignLeft | Qt::AlignTop},
}};

// Labels have no click signal: a left press and release inside the label count as a click. The
// second press of a double-click is a double-click, not another click.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* label, std::function<void()> onClick)
      : QObject(label), onClick_(std::move(onClick)) {
    label->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease) {
      return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (type != QEvent::MouseButtonRelease) {
      pressed_ = type == QEvent::MouseButtonPress;
    } else if (std::exchange(pressed_, false) &&
               static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
      onClick_();
    }
    return false;
  }

 private:
  std::function<void()> onClick_;
  bool pressed_ = false;
};

}  // namespace

SlotPanel::SlotPanel(QWidget* parent, QWidget* markerSetPanel) : QWidget(parent) {
  setObjectName("SlotPanel");
  createSlots();
  createCaptions();
  for (int g = 1; g <= kGroupCount; ++g) {
    auto* check = new QCheckBox(this);
    check->setObjectName(GroupCheckName(g));
    check->setGeometry(280 + 18 * (g - 1), 297, 17, 17);
    check->setChecked(true);
    groupChecks_[static_cast<std::size_t>(g - 1)] = check;
  }
  // The marker set labels show which set the loaded picture uses; a load shows one of them.
  markerSets_ = {AddLabel(markerSetPanel, "LSet1", "1", {4, 1, 7, 13}),
                 AddLabel(markerSetPanel, "LSet2", "2", {111, 1, 7, 13})};
  for (QLabel* set : markerSets_) {
    SetTextColour(set, kGreyText);
    set->hide();
  }
  CoverOnlyChildren(this);
}

void SlotPanel::createSlots() {
  for (int s = 1; s <= kSlotCount; ++s) {
    const SlotPlace& place = kSlotPlaces[static_cast<std::size_t>(s - 1)];
    ShapeControl* swatch =
        AddShape(this, SlotSwatchNumber(s), SlotSwatchName(s),
                 QRect(place.swatchLeft, place.swatchTop, kSwatchSize, kSwatchSize), Qt::white);
    swatch->setDraggable(true);
    swatch->setDropTarget(true);
    connect(swatch, &ShapeControl::dragEnded, this, [this, s](const ShapeControl* target) {
      if (target != nullptr) {
        Q_EMIT slotDropped(SlotOfSwatchNumber(target->number()), s);
      } else {
        Q_EMIT slotDragEnded(s);
      }
    });
    connect(swatch, &ShapeControl::hovered, this, [this, s](bool over) {
      if (over) {
        Q_EMIT slotHovered(s);
      } else {
        Q_EMIT slotHoverEnded();
      }
    });
    QLabel* label = AddLabel(this, SlotLabelName(s), "000",
                             QRect(place.labelLeft, place.labelTop, 24, 13), kCentred);
    SetTextColour(label, kGreyText);
    swatches_[static_cast<std::size_t>(s - 1)] = swatch;
    labels_[static_cast<std::size_t>(s - 1)] = label;
  }
}

void SlotPanel::createCaptions() {
  for (std::size_t i = 0; i < kCaptions.size(); ++i) {
    const CaptionPlace& caption = kCaptions[i];
    captions_[i] = AddLabel(this, caption.name, caption.text, caption.geometry, caption.alignment);
  }
  SetHint(captions_[kSkinCaption], "Click here to apply skin colors");
  new ClickFilter(captions_[kSkinCaption], [this] { Q_EMIT skinCaptionClicked(); });
}

void SlotPanel::showDocument(const Document& document) {
  for (int s = 1; s <= kSlotCount; ++s) {
    ShapeControl* swatch = swatches_[static_cast<std::size_t>(s - 1)];
    QLabel* label = labels_[static_cast<std::size_t>(s - 1)];
    swatch->setFill(ToQColor(SlotFill(document, s)));
    label->setText(QString::fromStdString(SlotLabel(document, s)));
    swatch->setVisible(SlotShown(document, s));
    label->setVisible(SlotShown(document, s));
  }
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    const int group = std::min(static_cast<int>(i) + 1, kGroupCount);
    captions_[i]->setVisible(GroupCaptionShown(document, group));
  }
  const int markerSet = ShownMarkerSet(document);
  markerSets_[0]->setVisible(markerSet == 1);
  markerSets_[1]->setVisible(markerSet == 2);
}

}  // namespace tintara
