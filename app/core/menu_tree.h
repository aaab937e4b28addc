#pragma once
// The main window's menus, pop-up menus, toolbar and the floating window's
// menu, kept as data. The window builds its widgets from these tables and
// routes every item through one dispatcher keyed by operation caption.
#include <QString>
#include <vector>

namespace sa::core {

struct MenuEntry {
  enum class Kind {
    TopMenu,    // a menu of the menu bar
    Popup,      // a pop-up menu outside the menu bar
    SubMenu,    // a menu inside a menu
    Item,       // a command
    Separator,  // a line; its parent is the menu it sits in
  };
  Kind kind;
  QString caption;  // exact caption, "&" accelerators included; "" for separators
  QString parent;   // caption of the containing menu; "" for top menus and pop-ups
  bool disabled = false;   // disabled in the designed window
  bool checkable = false;  // carries a check mark while in force
};

// Every menu, sub-menu, item and separator of the menu bar, then the five
// pop-up menus, in menu order. Captions of menus and items are unique.
const std::vector<MenuEntry>& mainMenuTree();

struct ToolButtonEntry {
  QString caption;    // "" for a separator
  QString operation;  // the menu operation the button runs
  QString glyph;      // the short text drawn on its icon
};

// The 36 positions of the toolbar, separators included.
const std::vector<ToolButtonEntry>& toolbarLayout();

struct FloatingMenuEntry {
  QString caption;    // "" for a separator
  QString operation;  // what the main window runs for it
};

// The floating window's right-click menu.
const std::vector<FloatingMenuEntry>& floatingMenuLayout();

// Operations the floating window handles itself rather than the main window.
inline const QString& kFloatingToggleCaption() {
  static const QString s = QStringLiteral("浮动窗口");
  return s;
}

// The wage tables: menu items "打开工资表一" .. "打开工资表五" and the pop-up
// items "工资表一  " .. "工资表五" (the last without trailing spaces).
QString wageMenuCaption(int table);   // table 1..5
QString wagePopupCaption(int table);  // table 1..5
// 1..5 for a wage-table menu or pop-up caption, 0 for anything else.
int wageTableOfCaption(const QString& caption);
// The table "教员工资管理" opens when `marked` carries the check mark (0 = none).
int nextWageTable(int marked);

// The side libraries that serve menu items.
struct SideFunction {
  QString operation;
  QString library;   // file name in the application folder
  QString function;  // exported name
  enum class Extra { None, LoginName, LoginNameAndTitle } extra;
};
const std::vector<SideFunction>& sideFunctions();
const SideFunction* sideFunctionOf(const QString& operation);

}  // namespace sa::core
