#pragma once
// Which menus and toolbar buttons a login shows: the level rules, then the
// office rules that can only hide. The rules are data; the functions here say
// what changes and leave the widgets to the main window.
#include <QString>
#include <QStringList>
#include <vector>

#include "app/db/connection.h"

namespace sa::core {

struct MenuTarget {
  enum class Where { Menu, ToolButton };
  Where where;
  QString caption;  // menu or item caption, or toolbar button caption
  bool operator==(const MenuTarget&) const = default;
};

struct VisibilityChange {
  MenuTarget target;
  bool visible;
};

// The column of the level table a login uses.
enum class LevelColumn { None, Super1111, Senior1110, Middle1100, Tutor1100, Ordinary1000 };

// "1111", "1110" and "1100" select their columns (1100 splits on being a class
// tutor); any other level whose number is at most 1000 gets the 1000 column;
// what is left (none of the four can give it) changes nothing.
LevelColumn levelColumnOf(const QString& levelText, bool classTutor);

// What the level rules show and hide for a login. Items the column leaves
// unnamed are absent, so they keep whatever state they had.
std::vector<VisibilityChange> levelMenuChanges(const QString& levelText, bool classTutor);

// The menus and toolbar buttons an office's `hiddenmenu` value hides: pieces
// joined by "|", unknown pieces ignored.
std::vector<MenuTarget> officeHiddenTargets(const QString& hiddenMenu);

// `hiddenmenu` of the office's first row in `offices`; "" when the office is
// empty, unknown or the statement fails.
QString readOfficeHiddenMenu(db::Connection& db, const QString& office);

// The items of the floating window's right-click menu that a level hides.
QStringList floatingMenuHiddenItems(const QString& levelText);

}  // namespace sa::core
