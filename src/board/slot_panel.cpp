#include "board/slot_panel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <algorithm>
#include <utility>

#include "board/accessible_views.h"
#include "board/caption_button.h"
#include "board/control_factory.h"
#include "board/control_names.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/colour_names.h"
#include "paint/document.h"
#include "paint/group_shading.h"

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

constexpr int kLastCode = 255;

QString SlotAccessibleName(int slot, int code, Colour fill, bool locked) {
  const int group = kSlots[static_cast<std::size_t>(slot - 1)].group;
  return QStringLiteral("Slot %1, %2: code %3, %4%5")
      .arg(slot)
      .arg(QString::fromUtf8(kGroupNames[static_cast<std::size_t>(group - 1)]))
      .arg(code)
      .arg(QString::fromLatin1(ColourName(fill)))
      .arg(locked ? QStringLiteral(", locked") : QString());
}

}  // namespace

SlotPanel::SlotPanel(QWidget* parent, QWidget* markerSetPanel) : QWidget(parent) {
  InstallAccessibleViews();
  setObjectName("SlotPanel");
  setAccessibleName("Slots");
  // Tab reaches the panel; a click on a slot leaves the focus where it is, as it always did.
  setFocusPolicy(Qt::TabFocus);
  createSlots();
  markSelection();
  createCaptions();
  for (int g = 1; g <= kGroupCount; ++g) {
    auto* check = new QCheckBox(this);
    check->setObjectName(GroupCheckName(g));
    check->setAccessibleName(
        QStringLiteral("Random codes for %1, group %2")
            .arg(QString::fromUtf8(kGroupNames[static_cast<std::size_t>(g - 1)]))
            .arg(g));
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
    // A press selects the slot, as the keys do; the drag starts all the same.
    connect(swatch, &ShapeControl::dragStarted, this, [this, s] { select(s); });
    connect(swatch, &ShapeControl::dragEnded, this, [this, s](const ShapeControl* target) {
      if (target != nullptr) {
        Q_EMIT slotDropped(SlotOfSwatchNumber(target->number()), s);
      } else {
        Q_EMIT slotDragEnded(s);
      }
    });
    swatch->setContextMenuPolicy(Qt::CustomContextMenu);
    // A right press during a drag only ends the drag.
    connect(swatch, &QWidget::customContextMenuRequested, this, [this, s, swatch](QPoint position) {
      if (QGuiApplication::mouseButtons() & Qt::LeftButton) return;
      offerSlotMenu(s, swatch->mapToGlobal(position));
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
    tokens_[static_cast<std::size_t>(s - 1)] = label->text();
  }
}

void SlotPanel::createCaptions() {
  for (std::size_t i = 0; i < kCaptions.size(); ++i) {
    const CaptionPlace& caption = kCaptions[i];
    if (i == kSkinCaption) {
      skinCaption_ = new CaptionButton(caption.text, this);
      captions_[i] = PlaceLabel(skinCaption_, caption.name, caption.geometry, caption.alignment);
    } else {
      captions_[i] =
          AddLabel(this, caption.name, caption.text, caption.geometry, caption.alignment);
    }
  }
  SetHint(skinCaption_, "Click here to apply skin colors");
  connect(skinCaption_, &CaptionButton::clicked, this, &SlotPanel::skinCaptionClicked);
  // A sign at the right end of each group's caption, in room the centred caption leaves free.
  constexpr int kSignWidth = 10;
  for (int group = 1; group <= kGroupCount; ++group) {
    const QRect caption = kCaptions[std::size_t(group == kGroupCount ? 4 : group - 1)].geometry;
    auto* sign = new CaptionButton("!", this);
    PlaceLabel(sign, QStringLiteral("ReadabilityMark%1").arg(group),
               QRect(caption.right() + 1 - kSignWidth, caption.top(), kSignWidth, caption.height()),
               kCentred);
    SetTextColour(sign, Qt::red);
    sign->hide();
    connect(sign, &CaptionButton::clicked, this, &SlotPanel::fixesRequested);
    sign->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sign, &QWidget::customContextMenuRequested, this, &SlotPanel::fixesRequested);
    readabilityMarks_[std::size_t(group - 1)] = sign;
  }
}

void SlotPanel::showReadability(const std::vector<ReadabilityPair>& pairs) {
  for (int group = 1; group <= kGroupCount; ++group) {
    QStringList lines;
    for (const ReadabilityPair& pair : pairs) {
      if (pair.group == group) lines << QString::fromStdString(ReadabilityText(pair));
    }
    CaptionButton* sign = readabilityMarks_[std::size_t(group - 1)];
    sign->setToolTip(lines.join('\n'));
    sign->setAccessibleName(lines.isEmpty() ? QString() : lines.join("; ") + ", suggest fixes");
    sign->setVisible(!lines.isEmpty());
  }
}

void SlotPanel::showDocument(const Document& document) {
  for (int s = 1; s <= kSlotCount; ++s) {
    const std::size_t i = static_cast<std::size_t>(s - 1);
    ShapeControl* swatch = swatches_[i];
    QLabel* label = labels_[i];
    const int code = Slot(document, s).code;
    swatch->setFill(ToQColor(Simulated(vision_, SlotFill(document, s))));
    tokens_[i] = QString::fromStdString(SlotLabel(document, s));
    label->setText(tokens_[i]);
    swatch->setVisible(SlotShown(document, s));
    label->setVisible(SlotShown(document, s));
    swatch->setLockMark(SlotLocked(document, s));
    shadeable_[i] = CanShadeGroupFrom(document, s);
    swatch->setAccessibleName(
        SlotAccessibleName(s, code, SlotFill(document, s), SlotLocked(document, s)));
    if (std::exchange(codes_[i], code) != code && SlotShown(document, s)) {
      QAccessibleValueChangeEvent changed(swatch, code);
      QAccessible::updateAccessibility(&changed);
    }
  }
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    const int group = std::min(static_cast<int>(i) + 1, kGroupCount);
    captions_[i]->setVisible(GroupCaptionShown(document, group));
  }
  const int markerSet = ShownMarkerSet(document);
  markerSets_[0]->setVisible(markerSet == 1);
  markerSets_[1]->setVisible(markerSet == 2);
  if (!slotShown(selected_)) select(nearestShownSlot(selected_));
  showTyped(typed_);  // over the label just shown
}

bool SlotPanel::slotShown(int slot) const { return !slotSwatch(slot)->isHidden(); }

int SlotPanel::selectedSlot() const { return slotShown(selected_) ? selected_ : 0; }

int SlotPanel::shownSlotFrom(int slot, int step) const {
  for (int s = slot + step; s >= 1 && s <= kSlotCount; s += step) {
    if (slotShown(s)) return s;
  }
  return 0;
}

// Ahead first, so that a selection hidden at start moves to the first shown slot.
int SlotPanel::nearestShownSlot(int slot) const {
  for (int distance = 1; distance < kSlotCount; ++distance) {
    for (int s : {slot + distance, slot - distance}) {
      if (s >= 1 && s <= kSlotCount && slotShown(s)) return s;
    }
  }
  return 0;
}

void SlotPanel::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool digit = text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
  if (digit && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    showTyped(typed_ + text);
    event->accept();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      select(shownSlotFrom(selected_, -1));
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      select(shownSlotFrom(selected_, 1));
      break;
    case Qt::Key_Home:
      select(shownSlotFrom(0, 1));
      break;
    case Qt::Key_End:
      select(shownSlotFrom(kSlotCount + 1, -1));
      break;
    case Qt::Key_Backspace:
      if (!typed_.isEmpty()) showTyped(typed_.chopped(1));
      break;
    case Qt::Key_Escape:
      if (typed_.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
      }
      showTyped({});
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      enterTyped();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SlotPanel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  slotSwatch(selected_)->setFocusMark(true);
  ReportFocusedPartAfterFocusIn(this, [this] { return selectedSwatch(); });
}

void SlotPanel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  slotSwatch(selected_)->setFocusMark(false);
  showTyped({});
}

// A move, or an attempt at one, ends the typing.
void SlotPanel::selectSlot(int slot) {
  if (slotShown(slot)) select(slot);
}

void SlotPanel::select(int slot) {
  showTyped({});
  if (slot == 0 || slot == selected_) return;
  slotSwatch(selected_)->setFocusMark(false);
  selected_ = slot;
  markSelection();
  slotSwatch(selected_)->setFocusMark(hasFocus());
  if (QWidget* selected = selectedSwatch(); selected != nullptr && hasFocus()) {
    ReportFocusedPart(selected);
  }
}

// The digits typed stand in the selected slot's label, in bold, and in the panel's accessible
// description.
void SlotPanel::showTyped(QString typed) {
  typed_ = std::move(typed);
  const std::size_t i = static_cast<std::size_t>(selected_ - 1);
  labels_[i]->setText(typed_.isEmpty() ? tokens_[i] : typed_);
  markSelection();
  setAccessibleDescription(typed_.isEmpty() ? QString()
                                            : QStringLiteral("Typed code %1").arg(typed_));
}

// The selected slot's label in the selection's colours, with the focus or without, so that a
// mouse user sees which slot the keys and the Edit menu act on; the others in grey.
void SlotPanel::markSelection() {
  const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
  const QColor highlightedText = palette().color(QPalette::Active, QPalette::HighlightedText);
  for (int s = 1; s <= kSlotCount; ++s) {
    QLabel* label = labels_[static_cast<std::size_t>(s - 1)];
    const bool selected = s == selected_;
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, highlight);
    colours.setColor(QPalette::WindowText, selected ? highlightedText : kGreyText);
    label->setPalette(colours);
    label->setAutoFillBackground(selected);
    QFont font = label->font();
    font.setBold(selected && !typed_.isEmpty());
    label->setFont(font);
  }
}

void SlotPanel::enterTyped() {
  bool number = false;
  const int code = typed_.toInt(&number);
  showTyped({});
  if (number && code <= kLastCode && selectedSlot() != 0) Q_EMIT codeTyped(selected_, code);
}

// The menu is the panel's child while it shows, so that it is found by its name; it goes when
// closed.
void SlotPanel::offerSlotMenu(int slot, QPoint position) {
  auto* menu = new QMenu(this);
  menu->setObjectName("SlotMenu");
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* toggle =
      menu->addAction(slotSwatch(slot)->hasLockMark() ? "&Unlock Slot" : "&Lock Slot");
  connect(toggle, &QAction::triggered, this, [this, slot] { Q_EMIT lockToggled(slot); });
  QAction* shade = menu->addAction("&Shade Group from This Slot");
  shade->setEnabled(shadeable_[static_cast<std::size_t>(slot - 1)]);
  connect(shade, &QAction::triggered, this, [this, slot] { Q_EMIT shadeRequested(slot); });
  menu->popup(position);
}

QWidget* SlotPanel::selectedSwatch() const {
  return selectedSlot() == 0 ? nullptr : slotSwatch(selected_);
}

}  // namespace tintara
