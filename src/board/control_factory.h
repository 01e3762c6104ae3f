#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace tintara {

class ShapeControl;

inline const QColor kGreyText(0x80, 0x80, 0x80);
// The design font; where it is missing, a condensed sans-serif face at the same pixel size keeps
// the captions within the controls laid out for it.
QFont DesignFont();
inline constexpr int kSwatchSize = 16;  // board and slot swatches

// Small builders for the window's controls: each control gets its name, place and look at once.
ShapeControl* AddShape(QWidget* parent, int number, const QString& name, QRect geometry,
                       const QColor& fill);
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// Names and places a label of another kind, made by the caller, as AddLabel does a plain one.
QLabel* PlaceLabel(QLabel* label, const QString& name, QRect geometry, Qt::Alignment alignment);
void SetTextColour(QWidget* widget, const QColor& colour);
// The tool-tip of a control, shown for five seconds.
void SetHint(QWidget* widget, const QString& hint);

// A view that holds some of the window's controls lies over the whole client area from its top
// left corner, so that its controls keep their places in client coordinates, and takes the mouse
// only where one of them stands: the controls of other views around and between them stay as
// reachable as if this view were not there.
void CoverOnlyChildren(QWidget* view);

}  // namespace tintara
