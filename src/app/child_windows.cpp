#include "app/child_windows.h"

#include <QFileInfo>
#include <QScreen>
#include <algorithm>

#include "app/code_book_window.h"
#include "app/compare_window.h"
#include "app/error_report.h"
#include "app/gallery_window.h"
#include "app/stored_placement_window.h"
#include "app/variant_player.h"
#include "formats/animation_limit.h"
#include "formats/code_book_animation.h"
#include "formats/export_files.h"
#include "paint/code_string.h"
#include "paint/gallery_paint.h"

namespace tintara {

ChildWindows::ChildWindows(Session& session, QWidget* main, Desktop desktop, Act act, Tell tell,
                           Made made, Preview preview)
    : session_(session),
      main_(main),
      desktop_(std::move(desktop)),
      act_(std::move(act)),
      tell_(std::move(tell)),
      made_(std::move(made)),
      preview_(std::move(preview)),
      player_(new VariantPlayer(main)),
      animationDialog_{.purpose = FileDialog::Purpose::Save,
                       .defaultExt = "gif",
                       .filters = {"Animated GIF (*.gif)"},
                       .confirmOverwrite = true},
      sheetExport_(desktop_.chooseFile) {
  QObject::connect(player_, &VariantPlayer::frameDue, main_,
                   [this](const std::string& codes) { showVariant(codes); });
  QObject::connect(player_, &VariantPlayer::stopped, main_, [this] { stopped(); });
}

void ChildWindows::showGallery(const QString& programDirectory) {
  if (gallery_ == nullptr) {
    gallery_ = new GalleryWindow(programDirectory.toStdString(), main_);
    made_(gallery_);
    QObject::connect(
        gallery_, &GalleryWindow::pictureChosen, main_, [this](const GalleryEntry& entry) {
          act_([&] { return session_.ChooseGalleryPicture(entry, gallery_->codes()); });
        });
    QObject::connect(gallery_, &GalleryWindow::saveRequested, main_, [this] {
      if (const auto failure = Attempt([this] { saveGallery(); })) desktop_.reportError(*failure);
    });
    placeBeside(gallery_);
  }
  gallery_->setVision(session_.vision());
  gallery_->showCodes(GalleryCodes(session_.document()));
  gallery_->show();
  gallery_->raise();
  gallery_->activateWindow();
}

void ChildWindows::showCodeBook(const QString& bookPath) {
  if (codeBook_ == nullptr) {
    CodeBookHost host{
        .currentCodes = [this] { return WriteCodeString(session_.document().model.slots); },
        .suggestedName =
            [this] {
              const Document& shown = session_.document();
              return QString::fromStdString(BodyCaption(shown, shown.body));
            },
        .loadedDocument = [this] { return &session_.document(); },
        .askName =
            [this](const QString& offered, QWidget* parent) {
              return desktop_.askText("Name of the entry:", offered, parent);
            },
        .chooseFile = desktop_.chooseFile,
        .reportError = desktop_.reportError};
    codeBook_ = new CodeBookWindow(bookPath, std::move(host), main_);
    made_(codeBook_);
    QObject::connect(codeBook_, &CodeBookWindow::codesChosen, main_, [this](const QString& codes) {
      act_([&] { return session_.ApplyChosenCodes(codes.toStdString()); });
    });
    QObject::connect(codeBook_, &CodeBookWindow::compareChosen, main_,
                     [this](const std::vector<CodeBookEntry>& entries) { compare(entries); });
    QObject::connect(
        codeBook_, &CodeBookWindow::playChosen, main_,
        [this](const std::vector<CodeBookEntry>& entries, int rate) { play(entries, rate); });
    QObject::connect(codeBook_, &CodeBookWindow::stopChosen, player_, &VariantPlayer::stop);
    QObject::connect(
        codeBook_, &CodeBookWindow::animationChosen, main_,
        [this](const std::vector<CodeBookEntry>& entries, int rate, int scale, bool captions) {
          if (const auto failure =
                  Attempt([&] { saveAnimation(entries, rate, scale, captions); })) {
            desktop_.reportError(*failure);
          }
        });
  }
  codeBook_->show();
  codeBook_->raise();
  codeBook_->activateWindow();
}

void ChildWindows::compare(const std::vector<CodeBookEntry>& entries) {
  if (compare_ == nullptr) {
    compare_ = new CompareWindow(main_);
    made_(compare_);
    QObject::connect(compare_, &CompareWindow::saveRequested, main_, [this] {
      if (const auto failure = Attempt([this] { saveComparison(); })) {
        desktop_.reportError(*failure);
      }
    });
  }
  if (gallery_ != nullptr) compare_->setZoom(gallery_->zoom());
  compare_->compare(entries, session_.document());
  compare_->show();
  compare_->raise();
}

void ChildWindows::play(const std::vector<CodeBookEntry>& entries, int rate) {
  std::vector<std::string> codes;
  for (const CodeBookEntry& entry : entries) codes.push_back(entry.codes);
  player_->play(std::move(codes), rate);
  if (!player_->playing()) codeBook_->showStopped();
}

void ChildWindows::showVariant(const std::string& codes) {
  const Expected<Document> painted = session_.PaintedWith(codes);
  if (!painted) {
    player_->stop();
    tell_(painted.problem());
    return;
  }
  preview_(session_.PreviewPicture(*painted));
  if (gallery_ != nullptr && gallery_->isVisible()) gallery_->showCodes(GalleryCodes(*painted));
}

// The document shows again as it was.
void ChildWindows::stopped() {
  preview_(session_.shownPicture());
  if (gallery_ != nullptr && gallery_->isVisible()) {
    gallery_->showCodes(GalleryCodes(session_.document()));
  }
  if (codeBook_ != nullptr) codeBook_->showStopped();
}

void ChildWindows::saveAnimation(const std::vector<CodeBookEntry>& entries, int rate, int scale,
                                 bool captions) {
  player_->stop();
  const Document& shown = session_.document();
  if (std::optional<Problem> refused = AnimationRefusal(shown, entries.size(), scale, captions)) {
    tell_(std::move(*refused));
    return;
  }
  animationDialog_.suggestedName = QString::fromStdString(BodyCaption(shown, shown.body));
  if (!Execute(animationDialog_, desktop_.chooseFile, codeBook_)) return;
  std::vector<AnimatedCodes> frames;
  for (const CodeBookEntry& entry : entries) frames.push_back({entry.codes, EntryLabel(entry)});
  const std::string path = animationDialog_.fileName.toStdString();
  Expected<std::vector<std::uint8_t>> gif = AnimateCodes(shown, frames, rate, scale, captions);
  if (!gif) {
    tell_(std::move(gif).problem());
  } else if (std::optional<Problem> problem = WriteExportFile(path, *gif)) {
    tell_(std::move(*problem));
  } else {
    tell_(QStringLiteral("Saved %1, an animation of %2 frames")
              .arg(QFileInfo(animationDialog_.fileName).fileName())
              .arg(frames.size()));
  }
}

void ChildWindows::showDocument() {
  // A step or a view change ends the playing: the document shows again.
  player_->stop();
  const Document& shown = session_.document();
  if (gallery_ != nullptr) gallery_->setVision(session_.vision());
  if (gallery_ != nullptr && gallery_->isVisible()) gallery_->showCodes(GalleryCodes(shown));
  if (compare_ != nullptr && compare_->isVisible()) compare_->showOn(shown);
  if (codeBook_ != nullptr) codeBook_->showDocumentChanged();
}

void ChildWindows::saveComparison() {
  std::vector<const Picture*> pictures;
  for (const Picture& picture : compare_->pictures()) pictures.push_back(&picture);
  const std::vector<std::string> names = compare_->names();
  tell_(sheetExport_.Save(pictures, names, static_cast<int>(pictures.size()), compare_->zoom(),
                          "Comparison", compare_));
}

// The pictures whose files could be read, ten to a row, at the gallery's zoom.
void ChildWindows::saveGallery() {
  constexpr int kColumns = 10;
  const GallerySheet sheet = TrueColourGallery(gallery_->pictures());
  std::vector<const Picture*> pictures;
  for (const Picture& picture : sheet.pictures) pictures.push_back(&picture);
  tell_(
      sheetExport_.Save(pictures, sheet.captions, kColumns, gallery_->zoom(), "Gallery", gallery_));
}

// To the right of the main window where the screen leaves room for a useful width, so that both
// show; else, and where windows cannot place themselves, where the desktop puts it.
void ChildWindows::placeBeside(QWidget* window) const {
  constexpr int kUsefulWidth = 400;
  const QScreen* on = main_->screen();
  if (on == nullptr || !WindowPositionsAreKnown()) return;
  const QRect area = on->availableGeometry();
  const QPoint beside(main_->frameGeometry().right() + 1, main_->frameGeometry().top());
  const int room = area.right() + 1 - beside.x();
  if (room < kUsefulWidth) return;
  window->resize(std::min(window->width(), room), window->height());
  window->move(beside);
}

}  // namespace tintara
