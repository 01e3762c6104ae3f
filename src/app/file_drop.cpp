#include "app/file_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

#include "formats/palette_reader.h"

namespace tintara {
namespace {

bool IsBitmapFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return suffix.compare("bmp", Qt::CaseInsensitive) == 0 ||
         suffix.compare("png", Qt::CaseInsensitive) == 0;
}

// A palette is told by what the file holds: a text file may be a palette or not.
bool IsPaletteFile(const QString& path) { return ReadPaletteFile(path.toStdString()).has_value(); }

bool IsPageFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return suffix.compare("htm", Qt::CaseInsensitive) == 0 ||
         suffix.compare("html", Qt::CaseInsensitive) == 0;
}

bool CarriesLocalFiles(const QMimeData* data) {
  if (data == nullptr) return false;
  const QList<QUrl> urls = data->urls();
  return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// The one local file a drag carries when the window opens files of its kind; empty otherwise.
QString OpenableDroppedFile(const QMimeData* data) {
  if (data == nullptr) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  return IsBitmapFile(path) || IsPaletteFile(path) || IsPageFile(path) ? path : QString();
}

// The window only reads the file: a file manager told the drop was a move would delete it.
bool TakeAsCopy(QDropEvent* event, const QString& file) {
  if (file.isEmpty() || !event->possibleActions().testFlag(Qt::CopyAction)) {
    event->ignore();
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

}  // namespace

FileDrop::FileDrop(QWidget* window, QWidget* editBox, Open openBitmap, Open openPalette,
                   Open openPage)
    : QObject(window),
      window_(window),
      editBox_(editBox),
      openBitmap_(std::move(openBitmap)),
      openPalette_(std::move(openPalette)),
      openPage_(std::move(openPage)) {
  window_->setAcceptDrops(true);
  window_->installEventFilter(this);
  editBox_->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) return onWindow(event);
  if (watched == editBox_) return onEditBox(event);
  return false;
}

bool FileDrop::onWindow(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter: {
      auto* enter = static_cast<QDragEnterEvent*>(event);
      dragged_ = OpenableDroppedFile(enter->mimeData());
      TakeAsCopy(enter, dragged_);
      return true;
    }
    case QEvent::DragMove:
      TakeAsCopy(static_cast<QDropEvent*>(event), dragged_);
      return true;
    case QEvent::DragLeave:
      dragged_.clear();
      return true;
    case QEvent::Drop:
      drop(static_cast<QDropEvent*>(event));
      return true;
    default:
      return false;
  }
}

bool FileDrop::onEditBox(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
      if (!CarriesLocalFiles(static_cast<QDropEvent*>(event)->mimeData())) return false;
      return onWindow(event);
    case QEvent::DragMove:
    case QEvent::Drop:
      if (dragged_.isEmpty() && !CarriesLocalFiles(static_cast<QDropEvent*>(event)->mimeData())) {
        return false;
      }
      return onWindow(event);
    case QEvent::DragLeave:
      dragged_.clear();
      return false;
    default:
      return false;
  }
}

void FileDrop::drop(QDropEvent* event) {
  // The file read when the drag entered is this drag's file: asking the source again at the
  // drop can stall the window for seconds and then bring nothing (X11 drags between Qt programs).
  const QString file = dragged_.isEmpty() ? OpenableDroppedFile(event->mimeData()) : dragged_;
  dragged_.clear();
  if (!TakeAsCopy(event, file)) return;
  QMetaObject::invokeMethod(
      this,
      [this, file] {
        if (IsBitmapFile(file)) {
          openBitmap_(file);
        } else if (IsPaletteFile(file)) {
          openPalette_(file);
        } else {
          openPage_(file);
        }
      },
      Qt::QueuedConnection);
}

}  // namespace tintara
