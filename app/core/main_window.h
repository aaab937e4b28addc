#pragma once
// The main window: menu bar, toolbar, three-part status bar and the fifteen
// pages every subsystem plugs into.
//
// Every menu item, toolbar button and floating-window item runs through one
// dispatcher, operations(), keyed by the item's main-menu caption. The level
// test of the operation runs there, before the handler. A subsystem adds its
// function by registering one handler:
//
//   window.operations().setHandler(QStringLiteral("添加学生资料"), [&] { ... });
//
// Menu actions carry their captions as objectName; menuAction() and
// toolButton() find them (toolbar buttons may share a caption with a menu item).
#include <QMainWindow>
#include <functional>

#include "app/core/app_state.h"
#include "app/core/operation_router.h"
#include "app/ui/prompt.h"

class QAction;
class QMenu;
class QToolBar;

namespace sa::core {

class FloatingWindow;
class BackgroundMusic;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Number of pages of the page control.
  static constexpr int kPageCount = 15;
  // Page 9 is never shown: it holds the logged-in user's data.
  static constexpr int kUserPage = 9;

  MainWindow(AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: the school-name label, the heading "<school>校务管理系统" and the
  // window title "<school-name label>校务管理系统".
  void setSchoolName(const QString& name);
  QString schoolLabelText() const;
  // The three fields of the status bar, numbered from 1.
  void setStatusText(int part, const QString& text);
  QString statusText(int part) const;
  // Status field 3: the welcome line, with the school name at start-up.
  void showWelcome(bool withSchoolName);
  // "显示窗口"/"隐藏窗口" enabled as the saved floating-window setting says.
  void setFloatingMenuState(bool presentationOn);

  // After a successful login: status field 1, page 9, the level and office menu
  // rules, and the "招生程序" item shown only when its library exists.
  void applyLogin();
  // Opens the floating window if the saved setting asks for it.
  void restoreFloatingWindow();
  void returnToMainScreen();

  // --- The dispatcher -----------------------------------------------------
  OperationRouter& operations();
  // Runs an operation as its menu item would (level test, then handler).
  bool runOperation(const QString& operation);

  // --- Menus and toolbar --------------------------------------------------
  // A menu item, sub-menu or top menu of the menu bar or a pop-up menu, by
  // its exact caption ("&S.系统管理", "打开工资表一", "使用手册 ").
  QAction* menuAction(const QString& caption) const;
  // A menu, sub-menu or pop-up menu ("学离", "教离", "工资", "图片", "行数").
  QMenu* menu(const QString& caption) const;
  // A toolbar button by its caption.
  QAction* toolButton(const QString& caption) const;
  QToolBar* toolBar() const;

  // Enables "打印", "打印预览" and their buttons, the record buttons and
  // "导出到Excel" for the page that can use them.
  void setPrintEnabled(bool enabled);
  void setRecordButtonsEnabled(bool enabled);
  void setExportEnabled(bool enabled);

  // The list of the current page, for the four record buttons: they move in
  // it and say when an end is reached. Setting one enables the buttons; the
  // return to the main screen forgets it.
  struct RecordNavigator {
    std::function<int()> count;
    std::function<int()> current;
    std::function<void(int)> moveTo;
  };
  void setRecordNavigator(RecordNavigator navigator);

  // The wage table whose menu item carries the check mark (0 = none), and
  // setting it (menu and pop-up items together).
  int markedWageTable() const;
  void markWageTable(int table);

  // --- Pages --------------------------------------------------------------
  QWidget* page(int index) const;
  int currentPage() const;
  // Shows a working page; "返回主界面" becomes available.
  void showPage(int index);
  // Pages that show data another window may change register how to reload
  // themselves; after such a change the window reloads the page shown, if it
  // is one of `pages` (any page when empty). An empty function unregisters.
  void setPageReloader(int page, std::function<void()> reload);
  void reloadCurrentPage(std::initializer_list<int> pages = {});
  // The heading above the working pages; cleared on the return to the main
  // screen.
  void setHeading(const QString& text);
  QString heading() const;

  // --- Floating window ----------------------------------------------------
  FloatingWindow* floatingWindow() const;
  // "显示窗口" and "隐藏窗口".
  void showFloatingWindow();
  void hideFloatingWindow();

  BackgroundMusic& music();

 signals:
  // "重新登录" chosen (menu, floating window).
  void reloginRequested();
  // "退出系统" chosen, or the window closed while nothing keeps it open; the
  // receiver asks the question and ends the program.
  void exitRequested();
  // "退出系统" of the floating window, already confirmed by the user: log out
  // and end without asking again.
  void exitConfirmed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void buildPages();
  void buildStatusBar();
  void installBuiltInOperations();
  void layoutMainScreenIfShown();
  void openFloatingWindow();
  void destroyFloatingWindow();
  void applyMenuRules();
  void tidyToolbarSeparators();
  void setMusicMark(const QString& caption);
  void moveRecord(int step);

  struct Impl;
  Impl* d_;
  AppState& state_;
  ui::Prompt& prompt_;
};

}  // namespace sa::core
