#pragma once

#include <QDialog>
#include <cstdint>

class QPushButton;
class QVBoxLayout;
class QWidget;

namespace tintara {

struct Document;

// "Suggest Fixes...": for each pair of slots that look alike to some viewers, its line and up to
// three codes for the slot a fix changes (FixSuggestions), each a button with the code's swatch
// and number; pressing one asks for it (fixChosen), which the window runs as one step and then
// shows the document again here, so that a fixed pair goes from the list.
class SuggestFixesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SuggestFixesDialog(QWidget* parent);

  void showDocument(const Document& document);

 Q_SIGNALS:
  void fixChosen(int slot, std::int32_t code);

 private:
  QWidget* list_ = nullptr;
  QVBoxLayout* rows_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace tintara
