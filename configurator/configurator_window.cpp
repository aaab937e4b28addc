#include "configurator/configurator_window.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/ui/qt_prompt.h"

namespace sa::configurator {

namespace {

// The window as designed; its height shrinks to 258 once it is open.
constexpr int kLeft = 50;
constexpr int kTop = 50;
constexpr int kWidth = 380;
constexpr int kDesignedHeight = 334;
constexpr int kOpenHeight = 258;

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QString::fromUtf8(name));
  return widget;
}

QLabel* label(const char* name, const QString& text) { return named(new QLabel(text), name); }

QLabel* heading(const char* name, const QString& text) {
  QLabel* l = label(name, text);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QPushButton* button(const char* name, const QString& text) { return named(new QPushButton(text), name); }

}  // namespace

ConfiguratorWindow::ConfiguratorWindow(QByteArray appImage, ui::Prompt* prompt, QWidget* parent)
    : QWidget(parent) {
  if (prompt == nullptr) {
    ownPrompt_ = std::make_unique<ui::QtPrompt>(this);
    prompt = ownPrompt_.get();
  }
  service_ = std::make_unique<ConfigureService>(*prompt, std::move(appImage));

  tabs_ = named(new QTabWidget, "选择夹1");
  tabs_->addTab(buildConfigurationPage(), QStringLiteral("软件配置"));
  tabs_->addTab(buildAgreementPage(), QStringLiteral("使用协议"));
  tabs_->addTab(buildSchoolPage(), QStringLiteral("软件信息"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);

  setGeometry(kLeft, kTop, kWidth, kDesignedHeight);
  opened();
}

ConfiguratorWindow::~ConfiguratorWindow() = default;

QWidget* ConfiguratorWindow::buildConfigurationPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(10, 6, 10, 6);
  grid->setVerticalSpacing(3);

  server_ = named(new QLineEdit, "服务器地址编辑框");
  user_ = named(new QLineEdit, "用户名编辑框");
  password_ = named(new QLineEdit, "用户密码编辑框");  // shown in clear, like the others
  updateUrl_ = named(new QLineEdit, "升级列表文件编辑框");

  int row = 0;
  grid->addWidget(heading("透明标签5", QStringLiteral("服务器配置")), row++, 0, 1, 2);
  grid->addWidget(label("透明标签4", QStringLiteral("MySQL服务器地址：")), row, 0);
  grid->addWidget(server_, row++, 1);
  grid->addWidget(label("透明标签3", QStringLiteral("MySQL用户名：")), row, 0);
  grid->addWidget(user_, row++, 1);
  grid->addWidget(label("透明标签2", QStringLiteral("MySQL用户密码：")), row, 0);
  grid->addWidget(password_, row++, 1);
  grid->addWidget(heading("透明标签6", QStringLiteral("升级配置")), row++, 0, 1, 2);
  grid->addWidget(label("透明标签1", QStringLiteral("升级列表文件地址：")), row, 0);
  grid->addWidget(updateUrl_, row++, 1);
  QLabel* hint = label("透明标签7", updateListHint());
  hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(hint, row++, 0, 1, 2, Qt::AlignRight);
  grid->setRowStretch(row++, 1);

  QPushButton* example = button("按钮2", QStringLiteral("配置示范"));
  QPushButton* help = button("按钮3", QStringLiteral("列表文件地址格式"));
  QPushButton* generate = button("按钮1", QStringLiteral("生成校务管理软件"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(example);
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(generate);
  grid->addLayout(buttons, row, 0, 1, 2);

  connect(example, &QPushButton::clicked, this, [this] { service_->showExample(); });
  connect(help, &QPushButton::clicked, this, [this] { service_->showListHelp(); });
  connect(generate, &QPushButton::clicked, this, &ConfiguratorWindow::configure);
  return page;
}

QWidget* ConfiguratorWindow::buildAgreementPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  agreement_ = named(new QPlainTextEdit, "编辑框_协议");
  agreement_->setReadOnly(true);
  layout->addWidget(agreement_);

  QPushButton* agreeButton = button("按钮_同意协议", QStringLiteral("同意协议"));
  QPushButton* quit = button("按钮_退出", QStringLiteral("退出"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(agreeButton);
  buttons->addWidget(quit);
  layout->addLayout(buttons);

  connect(agreeButton, &QPushButton::clicked, this, &ConfiguratorWindow::agree);
  connect(quit, &QPushButton::clicked, this, &QWidget::close);
  return page;
}

QWidget* ConfiguratorWindow::buildSchoolPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(10, 10, 10, 6);

  QGroupBox* box = named(new QGroupBox(QStringLiteral("软件信息")), "分组框3");
  auto* row = new QHBoxLayout(box);
  school_ = named(new QLineEdit, "编辑框_学校名称");
  row->addWidget(label("标签4", QStringLiteral("学校名称")));
  row->addWidget(school_);
  layout->addWidget(box);
  layout->addStretch();

  QPushButton* next = button("按钮_下一步", QStringLiteral("下一步"));
  QPushButton* closeButton = button("按钮_关闭", QStringLiteral("关闭"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(next);
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);

  connect(next, &QPushButton::clicked, this, &ConfiguratorWindow::acceptSchoolName);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  return page;
}

void ConfiguratorWindow::opened() {
  tabs_->setCurrentIndex(int(Page::Agreement));
  agreement_->setPlainText(agreementText());
  setWindowTitle(agreementTitle());
  service_->start();
  resize(kWidth, kOpenHeight);
}

void ConfiguratorWindow::agree() {
  setWindowTitle(softwareInfoTitle());
  tabs_->setCurrentIndex(int(Page::School));
  service_->agree();
}

void ConfiguratorWindow::acceptSchoolName() { applyReply(service_->acceptSchoolName(school_->text())); }

void ConfiguratorWindow::configure() {
  applyReply(service_->configure({server_->text(), user_->text(), password_->text(), updateUrl_->text()}));
}

void ConfiguratorWindow::applyReply(const Reply& reply) {
  if (reply.page) tabs_->setCurrentIndex(int(*reply.page));
  if (QLineEdit* field = entry(reply.focus)) field->setFocus();
}

QLineEdit* ConfiguratorWindow::entry(Field field) const {
  switch (field) {
    case Field::SchoolName: return school_;
    case Field::Server: return server_;
    case Field::User: return user_;
    case Field::Password: return password_;
    case Field::UpdateUrl: return updateUrl_;
    case Field::None: break;
  }
  return nullptr;
}

}  // namespace sa::configurator
