#include "app/core/login_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace sa::core {

LoginWindow::LoginWindow(AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt), service_(state, prompt) {
  setObjectName(QStringLiteral("登录窗口"));
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("选择夹1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_);
  addPage(0, buildLoginPage());
}

QString LoginWindow::titleForMode(int mode) const {
  switch (mode) {
    case 0: return QStringLiteral("用户登录");
    case -1: return QStringLiteral("用户注册");
    case 1: return QStringLiteral("修改管理员资料");
    case 3: return QStringLiteral("设置高级管理员资料");
    case 4: return QStringLiteral("普通管理员修改");
    case 5: return state_.schoolName + QStringLiteral("处室设置");
    case 6: return QStringLiteral("用户密码修改");
    case 7: return QStringLiteral("FTP服务器设置");
  }
  return {};
}

void LoginWindow::addPage(int mode, QWidget* page) {
  if (pages_->indexOf(page) < 0) pages_->addWidget(page);
  pageOfMode_.insert(mode, page);
}

QWidget* LoginWindow::buildLoginPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("登录页"));

  banner_ = new QLabel(page);
  banner_->setObjectName(QStringLiteral("横幅"));
  banner_->setAlignment(Qt::AlignCenter);
  banner_->setFixedHeight(120);

  auto* nameLabel = new QLabel(QStringLiteral("用户名："), page);
  nameBox_ = new QComboBox(page);
  nameBox_->setObjectName(QStringLiteral("登录名组合框"));
  nameBox_->setEditable(true);
  nameBox_->setInsertPolicy(QComboBox::NoInsert);
  auto* passwordLabel = new QLabel(QStringLiteral("密  码："), page);
  passwordBox_ = new QLineEdit(page);
  passwordBox_->setObjectName(QStringLiteral("登陆密码编辑框"));
  passwordBox_->setEchoMode(QLineEdit::Password);

  auto* loginButton = new QPushButton(QStringLiteral("登 录"), page);
  loginButton->setObjectName(QStringLiteral("登录钮"));
  auto* leaveButton = new QPushButton(QStringLiteral("退 出"), page);
  leaveButton->setObjectName(QStringLiteral("退出登陆钮"));
  auto* registerButton = new QPushButton(QStringLiteral("注 册"), page);
  registerButton->setObjectName(QStringLiteral("按钮_注册"));
  // Buttons must not act on Enter: Enter in the password box logs in.
  for (QPushButton* b : {loginButton, leaveButton, registerButton}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }

  auto* form = new QGridLayout;
  form->setContentsMargins(40, 16, 40, 4);
  form->setVerticalSpacing(10);
  form->addWidget(nameLabel, 0, 0);
  form->addWidget(nameBox_, 0, 1);
  form->addWidget(passwordLabel, 1, 0);
  form->addWidget(passwordBox_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(40, 8, 40, 16);
  buttons->addWidget(registerButton);
  buttons->addStretch();
  buttons->addWidget(loginButton);
  buttons->addWidget(leaveButton);
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(0, 0, 0, 0);
  v->addWidget(banner_);
  v->addLayout(form);
  v->addLayout(buttons);

  connect(loginButton, &QPushButton::clicked, this, &LoginWindow::tryLogin);
  connect(passwordBox_, &QLineEdit::returnPressed, this, &LoginWindow::tryLogin);
  connect(leaveButton, &QPushButton::clicked, this, &LoginWindow::leave);
  setFixedWidth(480);
  return page;
}

void LoginWindow::openPage(bool forRelogin) {
  forRelogin_ = forRelogin;
  service_.reset();
  nameBox_->clear();
  nameBox_->addItems(recentUserChoices(readRecentUsers(state_.usersDatPath())));
  if (nameBox_->count() > 0) nameBox_->setCurrentIndex(0);
  passwordBox_->clear();

  const int mode = state_.loginMode;
  setWindowTitle(titleForMode(mode));
  if (QWidget* page = pageOfMode_.value(mode)) pages_->setCurrentWidget(page);
  if (mode == 0) {
    QPixmap banner(state_.localPath(QStringLiteral("Banner.dat")));
    banner_->setPixmap(banner);
    if (!nameBox_->currentText().isEmpty()) passwordBox_->setFocus();
    else nameBox_->setFocus();
  }
}

void LoginWindow::tryLogin() {
  const LoginOutcome outcome = service_.login(nameBox_->currentText(), passwordBox_->text());
  if (service_.clearPassword()) passwordBox_->clear();
  switch (service_.focusAfter()) {
    case LoginFocus::NameBox: nameBox_->setFocus(); break;
    case LoginFocus::PasswordBox: passwordBox_->setFocus(); break;
    case LoginFocus::None: break;
  }
  if (outcome == LoginOutcome::LoggedIn) {
    accept();
    emit loggedIn();
  } else if (outcome == LoginOutcome::Ended) {
    QDialog::done(QDialog::Rejected);
    emit endProgram();
  }
}

void LoginWindow::leave() {
  if (forRelogin_) {
    QDialog::done(QDialog::Rejected);
    return;
  }
  state_.db.close();
  QDialog::done(QDialog::Rejected);
  emit endProgram();
}

void LoginWindow::reject() {
  // Escape and the window's close button both come here.
  close();
}

void LoginWindow::closeEvent(QCloseEvent* event) {
  // Only the login page asks; accept() and done() hide without coming here.
  const bool quiet = pages_->currentWidget() != pageOfMode_.value(0);
  if (!quiet) {
    if (!prompt_.askYesNo(QStringLiteral("您真的要退出系统吗？"), QStringLiteral("询问"))) {
      event->ignore();
      return;
    }
    state_.db.close();
  }
  event->accept();
  QDialog::done(QDialog::Rejected);
  if (!quiet) emit endProgram();
}

}  // namespace sa::core
