#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "paint/slot_tables.h"

namespace tintara {
namespace {

// The menu's entries, each as "-" for a separator, "> name caption" for a submenu, or
// "name caption" for an entry.
QStringList Entries(const QMenu* menu) {
  QStringList entries;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      entries << "-";
    } else if (action->menu() != nullptr) {
      entries << "> " + action->menu()->objectName() + " " + action->menu()->title();
    } else {
      entries << action->objectName() + " " + action->text();
    }
  }
  return entries;
}

// The start-up body has no slot 16, so that every load of a picture without it shows as group 4
// being ticked and cleared again.
class Catalogue : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(21, 13, TableWithSet1Markers(SlotRange(1, 15))));
    StartWindow();
  }

  QMenu* menu(const QString& name) const { return window_->findChild<QMenu*>(name); }
  // The entry with this caption in the named submenu.
  QAction* entry(const QString& submenu, const QString& caption) const {
    for (QAction* action : menu(submenu)->actions()) {
      if (action->text() == caption) return action;
    }
    ADD_FAILURE() << "no entry " << caption.toStdString() << " in " << submenu.toStdString();
    return nullptr;
  }
  void Pick(const QString& submenu, const QString& caption) const {
    if (QAction* action = entry(submenu, caption)) action->trigger();
  }
  QRadioButton* radio(int n) const {
    return control<QRadioButton>(QStringLiteral("RadioButton%1").arg(n));
  }
  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
};

TEST_F(Catalogue, FileMenuHoldsTheSixSubmenusBetweenSaveAndLoadOther) {
  const QStringList expected = {
      "Save1 &Save as JPG",
      "-",
      "> SelectNewHead Select &Female head...",
      "> SelectMalehead1 Select &Male head...",
      "> SelectAnimehead1 Select A&nime head",
      "> Selectnewanimalhead1 Select &Animal head...",
      "> Selectnew1 Select &Other head...",
      "> SelectNewAccessory Select accessory...",
      "-",
      "LoadOtherBitmap1 Load Other Bitmap",
  };
  EXPECT_EQ(Entries(menu("File1")), expected);
}

TEST_F(Catalogue, SubmenusHaveTheirEntriesSeparatorsAndNestedMenus) {
  // Each submenu's shape: E an entry, - a separator, > a nested submenu.
  const struct {
    const char* menu;
    const char* shape;
  } cases[] = {
      {"SelectNewHead", "EEEEEEEEEE"}, {"SelectMalehead1", "EEEEE"},
      {"SelectAnimehead1", "EEEE>>"},  {"Boyheads1", "EEEEEEEE"},
      {"Girlheads1", "EEEEEEEEEE"},    {"Selectnewanimalhead1", "EEEEEEEEEEE"},
      {"Selectnew1", "EEEE-EEEEE"},    {"SelectNewAccessory", "E-EEEEEEE"},
  };
  int entries = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.menu);
    QString shape;
    for (const QString& item : Entries(menu(c.menu))) {
      shape += item == "-" ? '-' : item.startsWith("> ") ? '>' : 'E';
    }
    EXPECT_EQ(shape, c.shape);
    entries += static_cast<int>(shape.count('E'));
  }
  EXPECT_EQ(entries, 65);
  const QStringList anime = Entries(menu("SelectAnimehead1"));
  EXPECT_EQ(anime.value(4), "> Boyheads1 Boy heads");
  EXPECT_EQ(anime.value(5), "> Girlheads1 Girl heads");
}

TEST_F(Catalogue, EntriesSetTheirFileAndRadioCaption) {
  // Irregular rows first, then a few regular ones; the target radio button tells head from grid.
  const struct {
    const char* submenu;
    const char* caption;
    const char* handler;
    const char* file;
    const char* radioCaption;
  } cases[] = {
      {"SelectNewHead", "&Masked Brisa", "MaskedBrisa1Click", "BRISA.BMP", "Masked Brisa"},
      {"SelectNewHead", "Heroine", "Heroine1Click", "HEROINE.BMP", "Heroine"},
      {"SelectNewHead", "Galadriel", "Galadriel1Click", "GALADRIEL.BMP", "Galadriel head"},
      {"SelectMalehead1", "Galadriel", "Galadriel1Click", "GALADRIEL.BMP", "Galadriel head"},
      {"SelectMalehead1", "&Clown", "Clown1Click", "CLOWN.BMP", "Clown"},
      {"SelectAnimehead1", "&Wolf", "Wolf1Click", "WOLFANIME.BMP", "Wolf (anime)"},
      {"Selectnewanimalhead1", "Female Duck", "FemaleDuck1Click", "FEMALEDUCK.BMP", "DuckHead-F"},
      {"Selectnewanimalhead1", "Male Duck", "MaleDuck1Click", "MALEDUCK.BMP", "DuckHead-M"},
      {"Selectnewanimalhead1", "Raven", "RavenClick", "RAVEN.BMP", "Raven Head"},
      {"Selectnew1", "Rose Head", "RoseHead2Click", "ROSEHEAD.BMP", "Rose Head"},
      {"Selectnew1", "Smiley", "Smiley1Click", "SMILEY.BMP", "Smiley"},
      {"SelectNewHead", "&Pell", "Pell1Click", "PELLHEAD.BMP", "Pell Head"},
      {"SelectMalehead1", "&Harrow", "Harrow1Click", "HARROW.BMP", "Harrow Head"},
      {"Selectnew1", "Alien", "Alien1Click", "ALIEN.BMP", "Alien Head"},
      {"SelectNewAccessory", "Bunny &Ears", "BunnyEars1Click", "EARS.BMP", "Bunny Ears"},
      {"SelectNewAccessory", "&Turf", "Turf1Click", "TURF.BMP", "Turf"},
      {"SelectNewAccessory", "Design Grid", "DesignGrid1Click", "DESIGNGRID.BMP", "Design Grid"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.submenu) + " " + c.caption);
    QAction* action = entry(c.submenu, c.caption);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->objectName(), c.handler);
    // Start from the other choice, so that the entry has something to change.
    Pick("SelectNewHead", "Tessaly");
    Pick("SelectNewAccessory", "Cabinets");
    action->trigger();
    const bool grid = std::string_view(c.submenu) == "SelectNewAccessory";
    EXPECT_EQ(grid ? session().gridFile() : session().headFile(), c.file);
    EXPECT_EQ(radio(grid ? 4 : 3)->text(), c.radioCaption);
    EXPECT_TRUE(radio(grid ? 4 : 3)->isChecked());
    EXPECT_EQ(radio(grid ? 3 : 4)->text(), grid ? "Tessaly Head" : "Cabinets");
  }
}

TEST_F(Catalogue, AnimeBoysAndGirlsAreNumberedEntries) {
  const struct {
    const char* menu;
    const char* name;
    int count;
  } cases[] = {{"Boyheads1", "Boy", 8}, {"Girlheads1", "Girl", 10}};
  for (const auto& c : cases) {
    const QList<QAction*> actions = menu(c.menu)->actions();
    ASSERT_EQ(actions.size(), c.count);
    for (int n = 1; n <= c.count; ++n) {
      const QString name = c.name;
      SCOPED_TRACE((name + QString::number(n)).toStdString());
      QAction* action = actions[n - 1];
      const QString caption =
          n < 10 ? QStringLiteral("%1-&%2").arg(name).arg(n) : QStringLiteral("%1-1&0").arg(name);
      EXPECT_EQ(action->text(), caption);
      EXPECT_EQ(action->objectName(), name + QString::number(n) + "1Click");
      action->trigger();
      EXPECT_EQ(session().headFile(),
                QStringLiteral("%1-%2.BMP").arg(name.toUpper()).arg(n).toStdString());
      EXPECT_EQ(radio(3)->text(), QStringLiteral("%1-%2 (anime)").arg(name).arg(n));
    }
  }
}

}  // namespace
}  // namespace tintara
