#pragma once
// The floating window: a 50 x 50 picture on top of every window that stands
// for the application while the main window is hidden, with its tray icon.
// Its menu items go to the main window's dispatcher.
#include <QPointer>
#include <QWidget>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QMenu;
class QAction;
class QSystemTrayIcon;
class QTimer;

namespace sa::core {

class FloatingWindow : public QWidget {
  Q_OBJECT
 public:
  // `mainWindow` is the window the picture shows and hides.
  FloatingWindow(AppState& state, ui::Prompt& prompt, QWidget* mainWindow);
  ~FloatingWindow() override;

  // 20 pixels below the top and 2 pixels left of the right edge of the screen.
  void placeOnScreen();

  // The right-click menu, prepared for the logged-in level as it is before it
  // opens; the tray's left-click menu with its items enabled for the moment.
  QMenu* rightClickMenu();
  QMenu* trayMenu();
  void prepareRightClickMenu();
  void prepareTrayMenu();
  QAction* rightClickAction(const QString& caption) const;
  QAction* trayAction(const QString& caption) const;

  // Left click on the picture: the main window between hidden and shown
  // maximised.
  void toggleMainWindow();
  // "浮动窗口" of the right-click menu.
  void toggleFromMenu();
  // Tray "隐藏浮动窗口" and "显示浮动窗口".
  void hideFromTray();
  void showFromTray();
  // Tray or floating "退出系统": the question, and exitConfirmed() on Yes.
  void confirmExit();

  // The tray icon is shown while the floating window or the main window is
  // hidden, so one of them can always bring the application back.
  void updateTray();
  QSystemTrayIcon* trayIcon() const { return tray_; }
  bool trayAnimating() const;
  int trayFrame() const { return trayFrame_; }
  void stopTrayAnimation();

  // 255 under the pointer, 60 elsewhere (applied as window opacity).
  int opacityLevel() const { return opacity_; }
  void updateOpacity(bool pointerOver);

 signals:
  // An item that the main window's dispatcher runs.
  void operationRequested(const QString& operation);
  // Tray "隐藏浮动窗口" while the main window is visible: the owner destroys
  // this window and sets its menu items as "隐藏窗口" does.
  void destroyRequested();
  // "退出系统" answered Yes: log out and end without asking again.
  void exitConfirmed();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void startTrayAnimation();

  AppState& state_;
  ui::Prompt& prompt_;
  QPointer<QWidget> main_;
  QMenu* rightMenu_;
  QMenu* trayMenu_;
  QSystemTrayIcon* tray_;
  QTimer* opacityTimer_;
  QTimer* trayTimer_;
  int trayFrame_ = -1;
  int opacity_ = 60;
};

}  // namespace sa::core
