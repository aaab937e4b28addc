#pragma once
// The login window: one window whose pages serve logging in and, opened in
// other modes, the account administration pages. The mode in the shared state
// selects the page and the title.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/core/app_state.h"
#include "app/core/login_service.h"
#include "app/ui/prompt.h"

namespace sa::core {

class LoginWindow : public QDialog {
  Q_OBJECT
 public:
  LoginWindow(AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // The window title of a mode ("用户登录" for 0).
  QString titleForMode(int mode) const;
  // Opens on the page of state.loginMode. `forRelogin` marks an opening by
  // "重新登录": leaving the page then only closes the window.
  void openPage(bool forRelogin);
  // Later pages register themselves for their modes.
  void addPage(int mode, QWidget* page);

  LoginService& service() { return service_; }

 signals:
  // Logged in: the shared state holds the user; the window has closed.
  void loggedIn();
  // The user left at start-up, answered Yes to the closing question, or failed
  // too often: the program must end.
  void endProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* buildLoginPage();
  void tryLogin();
  void leave();

  AppState& state_;
  ui::Prompt& prompt_;
  LoginService service_;
  bool forRelogin_ = false;
  QStackedWidget* pages_;
  QHash<int, QWidget*> pageOfMode_;
  QComboBox* nameBox_ = nullptr;
  QLineEdit* passwordBox_ = nullptr;
  QLabel* banner_ = nullptr;
};

}  // namespace sa::core
