#include "app/window_fixture.h"

#include "app/code_book_window.h"

namespace tintara {

void WindowTest::SetUp() { ASSERT_TRUE(dir_.isValid()); }

void WindowTest::TearDown() { window_.reset(); }

ProgramFiles WindowTest::files() const {
  return {dir_.path() + '/',
          dir_.filePath("tintara.INI"),
          dir_.path() + '/',
          {},
          dir_.filePath("codebook.txt")};
}

void WindowTest::CopyArtwork(const QStringList& names) const {
  for (const QString& name : names) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TINTARA_ART_DIR "/") + name, path(name)))
        << name.toStdString();
  }
}

void WindowTest::WriteBitmap(const QString& name, const Bitmap& bitmap) const {
  ASSERT_TRUE(WriteBmpFile(path(name).toStdString(), bitmap));
}

MainWindow& WindowTest::StartWindow() {
  Desktop desktop;
  desktop.reportError = [this](const QString& message) { errors_ << message; };
  desktop.chooseFile = [this](FileDialog& dialog, QWidget*) {
    dialogs_.asked.push_back({dialog.purpose, dialog.defaultExt, dialog.filters, dialog.fileName,
                              dialog.suggestedName, dialog.folder});
    if (!dialog.choices.isEmpty()) dialog.chosen = dialogs_.choice;
    return dialogs_.chosen;
  };
  desktop.openPage = [this](const QString& page) {
    opened_ << page;
    return true;
  };
  desktop.askText = [this](const QString&, const QString& offered, QWidget*) {
    textsOffered_ << offered;
    return textAnswer_;
  };
  desktop.now = [] { return QDateTime::currentDateTime(); };
  desktop.randomSeed = randomSeed_;
  window_.reset();  // one window at a time, as in the program: the old one stores its placement
  window_ = std::make_unique<MainWindow>(files(), std::move(desktop));
  return *window_;
}

void WindowTest::OpenChildWindows() {
  StartWindow();
  action("Gallery1")->trigger();
  action("CodeBook1")->trigger();
  Q_EMIT control<CodeBookWindow>("CodeBookWindow")
      ->compareChosen({{.codes = "1 ", .name = "one"}, {.codes = "2 ", .name = "two"}});
}

std::vector<QWidget*> WindowTest::childWindows() const {
  std::vector<QWidget*> windows;
  for (const char* name : {"GalleryWindow", "CodeBookWindow", "CompareWindow"}) {
    windows.push_back(control<QWidget>(name));
  }
  return windows;
}

}  // namespace tintara
