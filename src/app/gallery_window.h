#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "paint/gallery_paint.h"

namespace tintara {

class GalleryCell;

// The gallery: every picture the bodies and the catalogue load, under the catalogue's headings,
// painted with one code string, at a whole zoom the user chooses (1x, 2x or 3x). A window of its
// own beside the main window, which tells it the codes after every step. Its files are read once,
// when it is made; one that cannot be read shows an empty cell with the reason as its hint, and
// nothing else is said of it.
class GalleryWindow : public QWidget {
  Q_OBJECT

 public:
  GalleryWindow(const std::string& programDirectory, QWidget* parent);

  // Paints every picture with the code string, when it is not the one shown already.
  void showCodes(const std::string& codes);
  // Shows the pictures as the viewer sees them.
  void setVision(Vision vision);
  // The code string the pictures show.
  const std::string& codes() const { return codes_; }
  // Every picture in order, each with its entry's caption and as painted last: what a sheet of
  // the gallery shows.
  const std::vector<GalleryPicture>& pictures() const { return pictures_; }
  int zoom() const { return zoom_; }

 Q_SIGNALS:
  // A picture whose file was read was clicked, or Enter or Space pressed on it.
  void pictureChosen(const tintara::GalleryEntry& entry);
  // "Save Gallery As..." was pressed.
  void saveRequested();

 private:
  QWidget* createPictures();
  QWidget* createZoomChoice();
  void setZoom(int zoom);

  std::vector<GalleryPicture> pictures_;
  std::vector<GalleryCell*> cells_;
  std::string codes_;
  bool painted_ = false;
  int zoom_ = 1;
  Vision vision_ = Vision::Normal;
};

}  // namespace tintara
