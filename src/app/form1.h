#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "app/init_form.h"
#include "app/program_files.h"
#include "paint/paint_model.h"
#include "paint/random_codes.h"
#include "paint/recolour.h"
#include "sources/file_dialog.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace tintara {

class ImageView;
class ShapeControl;
class TForm2;
struct CatalogueEntry;

// The main window. It owns all state and carries the handlers of every subsystem; their code is
// split by concern: the frame and options (app/), the board, drag and drop and the view (board/),
// the catalogue and export (sources/), and the window side of painting (app/form1_paint.cpp).
// Controls are found by their object names, as rows of them are reached by composed names.
class TForm1 : public TInitSPForm {
  Q_OBJECT

 public:
  explicit TForm1(ProgramFiles files = ProgramFiles::ForThisProgram(), QWidget* parent = nullptr);
  ~TForm1() override;

  // Start-up and end.
  void FormCreate();
  void FormClose();
  void FormActivate();

  // Options menu.
  void StartBrowserClick();
  void HideHintsClick();
  void ColorsOnLoadClick();

  // Help menu.
  void About1Click();

  // Painting.
  void LoadPaintImage(const QString& path);
  void ApplyCodes();
  void ParseCodeString(const QString& text);
  void BOldColorsClick();
  void BitBtn1Click();
  void RememberLastCodes();

  // Random codes and skin presets.
  void Button1Click();
  void Label4Click();

  // Catalogue, reload and export.
  void CatalogueEntryClick(const CatalogueEntry& entry);
  void BRevertClick();
  void RadioButton2Click();
  void LoadOtherBitmap1Click();
  void Save1Click();
  void ConvertandSave1Click();

  // Board, drag and drop, and view.
  void UpdateHints();
  void Shape1MouseDown(ShapeControl* swatch);
  void Shape1StartDrag(ShapeControl* swatch);
  bool Shape257DragOver(ShapeControl* target, QObject* source);
  void Shape257DragDrop(ShapeControl* target, ShapeControl* source);
  void Shape257EndDrag(ShapeControl* source);
  void CheckBox1Click();
  void FitWindow();

  // Shared state, read by the handlers of every subsystem.
  const ProgramFiles& programFiles() const { return files_; }
  const PaintModel& model() const { return model_; }
  QSize baseSize() const { return baseSize_; }
  const QString& headFile() const { return headFile_; }
  const QString& gridFile() const { return gridFile_; }
  const QStringList& htmlLines() const { return htmlLines_; }
  RandomGenerator& randomGenerator() { return random_; }

  template <typename Control>
  Control* control(const QString& name) const {
    return findChild<Control*>(name);
  }
  ShapeControl* shape(int number) const;
  QLabel* label(int number) const;
  QAction* action(const QString& name) const;

 protected:
  QString iniFilePath() const override { return files_.iniPath; }
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void ConnectHandlers();
  void ShowPicture(const DisplayTable& table);
  void ShowLoadedSlots();
  void ShowPictureSize();
  // Gives a slot a code from the reference palette, its label showing labelText.
  void AssignCode(int slot, std::int32_t code, const QString& labelText);
  void ConnectSwatches();
  void CreateCatalogueMenus(QMenu* file);
  // Selects a body radio button; when that changes the selection, reloads at once.
  void SelectRadioButton(QRadioButton* radio);
  void SwatchPressed(ShapeControl* swatch, Qt::MouseButton button);
  void DragMoved(ShapeControl* source, QPoint position);
  void DragReleased(ShapeControl* source, QPoint position);
  // Ends the drag: the target, if it accepts, receives the drop; none when it was cancelled.
  void EndDrag(ShapeControl* source, ShapeControl* target);
  ShapeControl* DropTargetAt(ShapeControl* source, QPoint position) const;

  ProgramFiles files_;
  PaintModel model_;
  QSize baseSize_;
  ShapeControl* markedSwatch_ = nullptr;
  QString headFile_;
  QString gridFile_;
  QStringList htmlLines_;
  RandomGenerator random_{0};
  bool boardFilled_ = false;
  ShapeControl* dragSource_ = nullptr;
  FileDialog OpenDialog1{FileDialog::Purpose::Open};
  FileDialog SaveDialog1{FileDialog::Purpose::Save};
  TForm2* Form2 = nullptr;  // the about box, a child window that lives as long as this one
};

}  // namespace tintara
