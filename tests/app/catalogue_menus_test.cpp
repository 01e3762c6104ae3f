#include "app/catalogue_menus.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <string>
#include <vector>

#include "paint/catalogue.h"

namespace tintara {
namespace {

// The menu's items, each as "-" for a separator, "> name caption" for a submenu, or
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

// A File menu that already holds an item and a separator when the catalogue menus are added to
// it; every entry the menus report is recorded.
class CatalogueSubmenus : public ::testing::Test {
 protected:
  CatalogueSubmenus() {
    file_.addAction("&Save as JPG")->setObjectName("Save1");
    file_.addSeparator();
    auto* menus = new CatalogueMenus(&file_);
    QObject::connect(menus, &CatalogueMenus::entryChosen,
                     [this](const CatalogueEntry& entry) { chosen_.push_back(entry); });
  }

  QMenu* menu(const QString& name) const {
    QMenu* found = file_.findChild<QMenu*>(name);
    EXPECT_NE(found, nullptr) << "no submenu " << name.toStdString();
    return found;
  }
  // The entry with this caption in the named submenu.
  QAction* entry(const QString& submenu, const QString& caption) const {
    if (QMenu* parent = menu(submenu)) {
      for (QAction* action : parent->actions()) {
        if (action->text() == caption) return action;
      }
    }
    ADD_FAILURE() << "no entry " << caption.toStdString() << " in " << submenu.toStdString();
    return nullptr;
  }

  std::vector<CatalogueEntry> chosen_;
  QMenu file_{"&File"};
};

TEST_F(CatalogueSubmenus, FileMenuGainsTheSixSubmenusAfterWhatItHeld) {
  const QStringList expected = {
      "Save1 &Save as JPG",
      "-",
      "> SelectNewHead Select &Female head...",
      "> SelectMalehead1 Select &Male head...",
      "> SelectAnimehead1 Select A&nime head",
      "> Selectnewanimalhead1 Select &Animal head...",
      "> Selectnew1 Select &Other head...",
      "> SelectNewAccessory Select accessory...",
  };
  EXPECT_EQ(Entries(&file_), expected);
}

TEST_F(CatalogueSubmenus, SubmenusHaveTheirEntriesSeparatorsAndNestedMenus) {
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
    const QMenu* submenu = menu(c.menu);
    ASSERT_NE(submenu, nullptr);
    QString shape;
    for (const QString& item : Entries(submenu)) {
      shape += item == "-" ? '-' : item.startsWith("> ") ? '>' : 'E';
    }
    EXPECT_EQ(shape, c.shape);
    entries += static_cast<int>(shape.count('E'));
  }
  EXPECT_EQ(entries, 65);
  const QMenu* anime = menu("SelectAnimehead1");
  ASSERT_NE(anime, nullptr);
  EXPECT_EQ(Entries(anime).value(4), "> Boyheads1 Boy heads");
  EXPECT_EQ(Entries(anime).value(5), "> Girlheads1 Girl heads");
}

TEST_F(CatalogueSubmenus, EntriesReportTheirFileAndRadioCaption) {
  // Irregular rows first, then a few regular ones; the accessory menu's entries stand for the
  // grid, all others for the head.
  const struct {
    const char* submenu;
    const char* caption;
    const char* actionName;
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
    EXPECT_EQ(action->objectName(), c.actionName);
    chosen_.clear();
    action->trigger();
    ASSERT_EQ(chosen_.size(), 1u);
    const CatalogueEntry& chosen = chosen_.front();
    EXPECT_EQ(chosen.submenu, c.submenu);
    EXPECT_EQ(chosen.actionName, c.actionName);
    EXPECT_EQ(chosen.file, c.file);
    EXPECT_EQ(chosen.radioCaption, c.radioCaption);
    const bool grid = std::string_view(c.submenu) == "SelectNewAccessory";
    EXPECT_EQ(chosen.target, grid ? CatalogueTarget::Grid : CatalogueTarget::Head);
  }
}

TEST_F(CatalogueSubmenus, AnimeBoysAndGirlsAreNumberedEntries) {
  const struct {
    const char* menu;
    const char* name;
    int count;
  } cases[] = {{"Boyheads1", "Boy", 8}, {"Girlheads1", "Girl", 10}};
  for (const auto& c : cases) {
    const QMenu* submenu = menu(c.menu);
    ASSERT_NE(submenu, nullptr);
    const QList<QAction*> actions = submenu->actions();
    ASSERT_EQ(actions.size(), c.count);
    for (int n = 1; n <= c.count; ++n) {
      const QString name = c.name;
      SCOPED_TRACE((name + QString::number(n)).toStdString());
      QAction* action = actions[n - 1];
      const QString caption =
          n < 10 ? QStringLiteral("%1-&%2").arg(name).arg(n) : QStringLiteral("%1-1&0").arg(name);
      EXPECT_EQ(action->text(), caption);
      EXPECT_EQ(action->objectName(), name + QString::number(n) + "1Click");
      chosen_.clear();
      action->trigger();
      ASSERT_EQ(chosen_.size(), 1u);
      EXPECT_EQ(chosen_.front().file,
                QStringLiteral("%1-%2.BMP").arg(name.toUpper()).arg(n).toStdString());
      EXPECT_EQ(chosen_.front().radioCaption,
                QStringLiteral("%1-%2 (anime)").arg(name).arg(n).toStdString());
      EXPECT_EQ(chosen_.front().target, CatalogueTarget::Head);
    }
  }
}

}  // namespace
}  // namespace tintara
