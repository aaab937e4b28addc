#include "app/core/floating_window.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/core/menu_rules.h"
#include "app/core/menu_tree.h"
#include "app/core/pictures.h"

namespace sa::core {

namespace {
constexpr int kSize = 50;
const QString kExitCaption = QStringLiteral("退出系统");
const QString kShowMain = QStringLiteral("显示主窗口");
const QString kCloseMain = QStringLiteral("关闭主窗口");
const QString kHideFloating = QStringLiteral("隐藏浮动窗口");
const QString kShowFloating = QStringLiteral("显示浮动窗口");
}  // namespace

FloatingWindow::FloatingWindow(AppState& state, ui::Prompt& prompt, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      state_(state),
      prompt_(prompt),
      main_(mainWindow) {
  setObjectName(QStringLiteral("浮动窗口"));
  setWindowTitle(state_.schoolName + QStringLiteral("校务管理软件"));
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(kSize, kSize);
  setCursor(Qt::PointingHandCursor);

  buildMenus();

  tray_ = new QSystemTrayIcon(pictures::trayIcon(-1), this);
  tray_->setToolTip(state_.schoolName + QStringLiteral("校务管理软件"));
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    stopTrayAnimation();
    if (reason == QSystemTrayIcon::Trigger) {
      prepareTrayMenu();
      trayMenu_->popup(QCursor::pos());
    } else if (reason == QSystemTrayIcon::Context) {
      prepareRightClickMenu();
      rightMenu_->popup(QCursor::pos());
    }
  });

  opacityTimer_ = new QTimer(this);
  opacityTimer_->setInterval(10);
  connect(opacityTimer_, &QTimer::timeout, this,
          [this] { updateOpacity(isVisible() && frameGeometry().contains(QCursor::pos())); });
  opacityTimer_->start();
  updateOpacity(false);

  trayTimer_ = new QTimer(this);
  trayTimer_->setInterval(300);
  connect(trayTimer_, &QTimer::timeout, this, [this] {
    trayFrame_ = (trayFrame_ + 1) % 6;
    tray_->setIcon(pictures::trayIcon(trayFrame_));
  });

  if (main_) main_->installEventFilter(this);
}

FloatingWindow::~FloatingWindow() {
  if (main_) main_->removeEventFilter(this);
  tray_->hide();
}

void FloatingWindow::buildMenus() {
  rightMenu_ = new QMenu(this);
  rightMenu_->setObjectName(QStringLiteral("浮动窗口菜单"));
  for (const FloatingMenuEntry& entry : floatingMenuLayout()) {
    if (entry.caption.isEmpty()) {
      rightMenu_->addSeparator();
      continue;
    }
    QAction* a = rightMenu_->addAction(entry.caption);
    a->setObjectName(entry.caption);
    const QString operation = entry.operation;
    if (operation == kFloatingToggleCaption()) {
      connect(a, &QAction::triggered, this, &FloatingWindow::toggleFromMenu);
    } else if (operation == kExitCaption) {
      connect(a, &QAction::triggered, this, &FloatingWindow::confirmExit);
    } else {
      connect(a, &QAction::triggered, this, [this, operation] {
        // The functions open in the main window, so it comes back first.
        if (main_ && !main_->isVisible()) {
          main_->showMaximized();
          main_->raise();
          main_->activateWindow();
        }
        emit operationRequested(operation);
      });
    }
  }

  trayMenu_ = new QMenu(this);
  trayMenu_->setObjectName(QStringLiteral("托盘菜单"));
  auto add = [this](const QString& caption, auto slot) {
    QAction* a = trayMenu_->addAction(caption);
    a->setObjectName(caption);
    connect(a, &QAction::triggered, this, slot);
  };
  add(kShowMain, [this] {
    if (main_) main_->showMaximized();
  });
  add(kCloseMain, [this] {
    if (main_) main_->hide();
  });
  add(kHideFloating, [this] { hideFromTray(); });
  add(kShowFloating, [this] { showFromTray(); });
  trayMenu_->addSeparator();
  add(kExitCaption, [this] { confirmExit(); });
}

void FloatingWindow::placeOnScreen() {
  QScreen* screen = main_ && main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
  move(area.right() + 1 - 2 - kSize, area.top() + 20);
}

QMenu* FloatingWindow::rightClickMenu() { return rightMenu_; }
QMenu* FloatingWindow::trayMenu() { return trayMenu_; }

QAction* FloatingWindow::rightClickAction(const QString& caption) const {
  return rightMenu_->findChild<QAction*>(caption, Qt::FindDirectChildrenOnly);
}

QAction* FloatingWindow::trayAction(const QString& caption) const {
  return trayMenu_->findChild<QAction*>(caption, Qt::FindDirectChildrenOnly);
}

void FloatingWindow::prepareRightClickMenu() {
  const QStringList hidden = floatingMenuHiddenItems(state_.user.levelText);
  for (QAction* a : rightMenu_->actions())
    if (!a->isSeparator()) a->setVisible(!hidden.contains(a->objectName()));
}

void FloatingWindow::prepareTrayMenu() {
  const bool mainVisible = main_ && main_->isVisible();
  trayAction(kShowMain)->setEnabled(main_ && !mainVisible);
  trayAction(kCloseMain)->setEnabled(mainVisible);
  trayAction(kHideFloating)->setEnabled(isVisible());
  trayAction(kShowFloating)->setEnabled(!isVisible());
}

void FloatingWindow::toggleMainWindow() {
  if (!main_) return;
  if (main_->isVisible()) {
    main_->hide();
  } else {
    main_->showMaximized();
    main_->raise();
    main_->activateWindow();
  }
}

void FloatingWindow::toggleFromMenu() {
  QAction* a = rightClickAction(kFloatingToggleCaption());
  if (isVisible()) {
    hide();
    a->setText(QStringLiteral("显示小窗口"));
  } else {
    show();
    a->setText(QStringLiteral("隐藏小窗口"));
  }
  updateTray();
}

void FloatingWindow::hideFromTray() {
  if (main_ && main_->isVisible()) {
    emit destroyRequested();
    return;
  }
  hide();
  updateTray();
  startTrayAnimation();
}

void FloatingWindow::showFromTray() {
  stopTrayAnimation();
  show();
  raise();
  updateTray();
}

void FloatingWindow::confirmExit() {
  tray_->hide();
  if (prompt_.askYesNo(QStringLiteral("  你真的要退出本系统吗？"), QStringLiteral("询问"), ui::Icon::Question)) {
    emit exitConfirmed();
    return;
  }
  // Kept running: the tray icon stays the way back to a hidden window.
  updateTray();
}

void FloatingWindow::updateTray() {
  const bool needed = !isVisible() || !main_ || !main_->isVisible();
  tray_->setVisible(needed);
  if (!needed) stopTrayAnimation();
}

bool FloatingWindow::trayAnimating() const { return trayTimer_->isActive(); }

void FloatingWindow::startTrayAnimation() {
  trayFrame_ = 0;
  tray_->setIcon(pictures::trayIcon(trayFrame_));
  trayTimer_->start();
}

void FloatingWindow::stopTrayAnimation() {
  trayTimer_->stop();
  trayFrame_ = -1;
  tray_->setIcon(pictures::trayIcon(-1));
}

void FloatingWindow::updateOpacity(bool pointerOver) {
  const int level = pointerOver ? 255 : 60;
  if (level == opacity_ && windowOpacity() == level / 255.0) return;
  opacity_ = level;
  setWindowOpacity(level / 255.0);
}

void FloatingWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    toggleMainWindow();
  } else if (event->button() == Qt::RightButton) {
    prepareRightClickMenu();
    rightMenu_->popup(event->globalPosition().toPoint());
  }
  event->accept();
}

void FloatingWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), pictures::floatingPicture(kSize));
}

bool FloatingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == main_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
    QTimer::singleShot(0, this, &FloatingWindow::updateTray);
  return QWidget::eventFilter(watched, event);
}

}  // namespace sa::core
