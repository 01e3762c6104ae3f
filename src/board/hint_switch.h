#pragma once

class QWidget;

namespace tintara {

// Qt has no per-control switch for showing hints: a switched-off control keeps its hint text
// and its tool-tip events are swallowed.
void SetShowHint(QWidget* control, bool show);
bool ShowsHint(const QWidget* control);

}  // namespace tintara
