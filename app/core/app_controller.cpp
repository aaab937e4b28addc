#include "app/core/app_controller.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "app/core/config_ini.h"
#include "app/core/interface_style.h"
#include "app/core/login_service.h"
#include "app/core/login_window.h"
#include "app/core/main_window.h"
#include "app/core/single_instance.h"
#include "app/core/splash_window.h"
#include "app/core/startup_steps.h"

namespace sa::core {

namespace {
const QString kTitleSuffix = QStringLiteral("校务管理系统");
}

AppController::AppController(AppState& state, ui::Prompt& prompt, QObject* parent)
    : QObject(parent), state_(state), prompt_(prompt) {}

AppController::~AppController() {
  delete login_.data();
  delete splash_.data();
}

SplashWindow* AppController::splash() const { return splash_; }
LoginWindow* AppController::loginWindow() const { return login_; }

QString AppController::expectedTitle() const {
  return main_ ? main_->schoolLabelText() + kTitleSuffix : QString();
}

bool AppController::start(const settings::Settings& settings) {
  if (state_.appDir.isEmpty()) state_.appDir = QCoreApplication::applicationDirPath();

  // 1. One copy per installation.
  instance_ = std::make_unique<SingleInstance>(SingleInstance::identifier(state_.appDir));
  if (!instance_->claim()) return false;
  connect(instance_.get(), &SingleInstance::activationRequested, this, &AppController::raiseMainWindow);

  main_ = std::make_unique<MainWindow>(state_, prompt_);
  emit mainWindowCreated(main_.get());
  connect(main_.get(), &MainWindow::reloginRequested, this, &AppController::relogin);
  connect(main_.get(), &MainWindow::exitRequested, this, &AppController::askAndExit);
  connect(main_.get(), &MainWindow::exitConfirmed, this, [this] {
    logout(state_);
    exitNow();
  });

  // 2. The splash, which hands over to the login once the title is set.
  splash_ = new SplashWindow([this] { return main_ && main_->windowTitle() == expectedTitle(); });
  connect(splash_, &SplashWindow::handOver, this, [this] { openLogin(false); });
  splash_->show();
  QCoreApplication::processEvents();

  // 3..7. Folders, settings, executable name, server address, banner.
  createFolders(state_.appDir);
  takeSettings(state_, settings);
  state_.exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  state_.serverAddress = resolveToIPv4(state_.serverAddress);
  writeBannerOnce(state_.appDir);

  // 8. The main window covers the screen (it stays hidden until a login).
  if (QScreen* screen = QGuiApplication::primaryScreen()) main_->setGeometry(screen->geometry());

  // 9..11. config.ini.
  const StartupConfig config =
      prepareConfigIni(state_.configIniPath(), state_.schoolName, state_.exeName, qulonglong(main_->winId()));
  state_.interfaceStyle = config.interfaceStyle;
  state_.subjectCount = config.subjectCount;
  applyInterfaceStyle(state_.interfaceStyle);
  main_->setFloatingMenuState(config.floatingWindowShown);
  QCoreApplication::processEvents();

  // 13. The connection; start-up goes on without one.
  if (!connectToServer(state_))
    prompt_.message(QStringLiteral("连接服务器失败！"), QStringLiteral("错误"), ui::Icon::Error);

  // 14..16. Labels, status bar, title.
  main_->setSchoolName(state_.schoolName);
  main_->setStatusText(2, QStringLiteral("    当前状态：请选择操作"));
  main_->showWelcome(true);

  // 17..18. Shortcuts; files dropped on the main window.
  createShortcuts(main_->windowTitle(), state_.appDir, state_.exeName);
  main_->setAcceptDrops(true);
  return true;
}

void AppController::openLogin(bool forRelogin) {
  state_.loginMode = 0;
  if (!login_) {
    login_ = new LoginWindow(state_, prompt_, main_.get());
    connect(login_, &LoginWindow::loggedIn, this, &AppController::onLoggedIn);
    connect(login_, &LoginWindow::endProgram, this, &AppController::exitNow);
  }
  if (splash_) splash_->deleteLater();
  login_->openPage(forRelogin);
  if (forRelogin) {
    login_->exec();
  } else {
    login_->setModal(false);
    login_->show();
    login_->raise();
    login_->activateWindow();
  }
}

void AppController::onLoggedIn() {
  applySavedSkin(state_);
  main_->applyLogin();
  main_->restoreFloatingWindow();
  main_->showMaximized();
  main_->raise();
}

void AppController::relogin() {
  logout(state_);
  openLogin(true);
}

void AppController::askAndExit() {
  if (!prompt_.askYesNo(QStringLiteral("确定要退出校务管理系统吗？"), QStringLiteral("询问"), ui::Icon::Question))
    return;
  if (logout(state_)) state_.db.close();
  exitNow();
}

void AppController::exitNow() {
  if (ending_) return;
  ending_ = true;
  state_.db.close();
  if (login_) login_->hide();
  if (main_) main_->hide();
  emit finished();
}

void AppController::raiseMainWindow() {
  QWidget* w = (main_ && main_->isVisible()) ? static_cast<QWidget*>(main_.get())
               : login_ && login_->isVisible() ? static_cast<QWidget*>(login_.data())
                                               : static_cast<QWidget*>(splash_.data());
  if (!w) return;
  if (w->isMinimized()) w->showNormal();
  w->show();
  w->raise();
  w->activateWindow();
}

}  // namespace sa::core
