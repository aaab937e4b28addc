#pragma once
// Runs the application's life: start-up in its fixed order, the hand-over from
// the splash to the login window, re-login, logout and exit.
#include <QObject>
#include <QPointer>
#include <memory>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"
#include "settings/settings_block.h"

namespace sa::core {

class MainWindow;
class SplashWindow;
class LoginWindow;
class SingleInstance;

class AppController : public QObject {
  Q_OBJECT
 public:
  AppController(AppState& state, ui::Prompt& prompt, QObject* parent = nullptr);
  ~AppController() override;

  // Start-up. False when another copy runs (it was brought to the front) and
  // this process should end without a word. `settings` are what the running
  // executable carries.
  bool start(const settings::Settings& settings);

  MainWindow* mainWindow() const { return main_.get(); }
  SplashWindow* splash() const;
  LoginWindow* loginWindow() const;

  // The title start-up gives the main window once it is ready.
  QString expectedTitle() const;
  // Opens the login window on its login page.
  void openLogin(bool forRelogin);

 signals:
  // The main window exists: subsystems register their operations and pages.
  void mainWindowCreated(MainWindow* window);
  // The program ends (the connection is already closed where it should be).
  void finished();

 private:
  void onLoggedIn();
  void relogin();
  void askAndExit();
  void exitNow();
  void raiseMainWindow();

  AppState& state_;
  ui::Prompt& prompt_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<SingleInstance> instance_;
  QPointer<SplashWindow> splash_;
  QPointer<LoginWindow> login_;
  bool ending_ = false;
};

}  // namespace sa::core
