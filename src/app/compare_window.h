#pragma once

#include <QWidget>
#include <vector>

#include "formats/code_book.h"
#include "paint/document.h"
#include "paint/picture.h"

class QComboBox;
class QGridLayout;
class QTableWidget;

namespace tintara {

// "Compare": code book entries side by side on the current picture, each under its name, at a
// whole zoom, and a table of the slots they give different codes (slot, group, the code in each).
// Shown again on another picture as the main window's changes; its pictures can be saved as a
// sheet.
class CompareWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CompareWindow(QWidget* parent = nullptr);

  // Compares the entries on the document's picture.
  void compare(std::vector<CodeBookEntry> entries, const Document& document);
  // The same entries on the document's picture as it is now.
  void showOn(const Document& document);
  void setZoom(int zoom);
  int zoom() const;

  // What is shown, for a sheet: the pictures and their names, in order.
  const std::vector<Picture>& pictures() const { return pictures_; }
  std::vector<std::string> names() const;

 Q_SIGNALS:
  void saveRequested();

 private:
  void showPictures();

  std::vector<CodeBookEntry> entries_;
  std::vector<Picture> pictures_;
  QComboBox* zoom_ = nullptr;
  QWidget* strip_ = nullptr;
  QGridLayout* cells_ = nullptr;
  QTableWidget* slots_ = nullptr;
};

}  // namespace tintara
