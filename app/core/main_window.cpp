#include "app/core/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/core/about_window.h"
#include "app/core/floating_window.h"
#include "app/core/help.h"
#include "app/core/main_screen_layout.h"
#include "app/core/menu_rules.h"
#include "app/core/menu_tree.h"
#include "app/core/operation_log.h"
#include "app/core/pictures.h"
#include "app/core/platform_tools.h"
#include "app/core/side_libraries.h"
#include "app/core/style_dialog.h"
#include "app/core/welcome_line.h"
#include "common/ini_file.h"

namespace sa::core {

namespace {

// The banner of the main screen, drawn to whatever size the layout gives it.
class BannerPicture : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    pictures::paintBanner(p, rect());
  }
};

void setExitLabelColor(QLabel* label, const QColor& color) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, color);
  label->setPalette(p);
}

// Designed size of the banner before the first layout.
constexpr int kDesignedBannerHeight = 300;

const QString kRecruitment = QStringLiteral("招生程序");
const QString kLogSwitch = QStringLiteral("记录开关");
const QString kShowFloating = QStringLiteral("显示窗口");
const QString kHideFloating = QStringLiteral("隐藏窗口");
const QString kMusicButton = QStringLiteral("背景音乐");
const QString kWageButton = QStringLiteral("教员工资管理");
const QString kWageMenu = QStringLiteral("&W.工资管理");
const QStringList kMusicItems = {QStringLiteral("背景音乐一"), QStringLiteral("背景音乐二"), QStringLiteral("其它音乐")};
const QStringList kRecordButtons = {QStringLiteral("到首记录"), QStringLiteral("上一条记录"), QStringLiteral("下一条记录"),
                                    QStringLiteral("到尾记录")};

}  // namespace

struct MainWindow::Impl {
  Impl(AppState& state, ui::Prompt& prompt) : router(state, prompt) {}

  OperationRouter router;
  QHash<QString, QAction*> menuActions;
  QHash<QString, QMenu*> menus;
  QHash<QString, QAction*> toolActions;
  QAction* recruitmentSeparator = nullptr;
  QToolBar* toolbar = nullptr;
  QLabel* status[3] = {nullptr, nullptr, nullptr};

  QLabel* schoolLabel = nullptr;   // 校名标签: read by title-building code
  QLabel* headingLabel = nullptr;  // 标题标签: above the working pages
  QStackedWidget* pages = nullptr;
  QLabel* background = nullptr;    // 首页底色标签
  QWidget* banner = nullptr;       // 图片框5
  QLabel* schoolHeading = nullptr; // 首页校名标签
  QWidget* exitBox = nullptr;      // 图片框4
  QLabel* exitPicture = nullptr;   // 退出图形按钮
  QLabel* exitLabel = nullptr;     // 退出标签
  QHash<QString, QLabel*> userLabels;  // page 9

  // Items the previous login's office hid, with their state before that, so
  // one user's office never hides menus from the next user.
  QHash<QAction*, bool> officeHidden;

  RecordNavigator navigator;
  QHash<int, std::function<void()>> reloaders;
  QPointer<FloatingWindow> floating;
  BackgroundMusic* music = nullptr;
};

MainWindow::MainWindow(AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), d_(new Impl(state, prompt)), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("主窗口"));
  setMinimumSize(800, 600);
  resize(1024, 720);
  setWindowIcon(QIcon(pictures::schoolEmblem(64)));
  d_->music = new BackgroundMusic(this);

  buildMenus();
  buildToolBar();
  buildPages();
  buildStatusBar();
  installBuiltInOperations();

  // The designed state: nothing to print, move or export on the main screen.
  setPrintEnabled(false);
  setRecordButtonsEnabled(false);
  setExportEnabled(false);
  d_->toolActions.value(QStringLiteral("返回主界面"))->setEnabled(false);
  setStatusText(2, mainScreenStatus());
  d_->pages->setCurrentIndex(0);
}

MainWindow::~MainWindow() {
  delete d_->floating.data();
  delete d_;
}

// ---------------------------------------------------------------------------
// Building

void MainWindow::buildMenus() {
  QAction* lastSeparator = nullptr;
  for (const MenuEntry& e : mainMenuTree()) {
    QMenu* parentMenu = e.parent.isEmpty() ? nullptr : d_->menus.value(e.parent);
    switch (e.kind) {
      case MenuEntry::Kind::TopMenu: {
        QMenu* m = menuBar()->addMenu(e.caption);
        m->setObjectName(e.caption);
        m->menuAction()->setObjectName(e.caption);
        d_->menus.insert(e.caption, m);
        d_->menuActions.insert(e.caption, m->menuAction());
        break;
      }
      case MenuEntry::Kind::Popup: {
        auto* m = new QMenu(e.caption, this);
        m->setObjectName(e.caption);
        d_->menus.insert(e.caption, m);
        break;
      }
      case MenuEntry::Kind::SubMenu: {
        QMenu* m = parentMenu->addMenu(e.caption);
        m->setObjectName(e.caption);
        m->menuAction()->setObjectName(e.caption);
        d_->menus.insert(e.caption, m);
        d_->menuActions.insert(e.caption, m->menuAction());
        break;
      }
      case MenuEntry::Kind::Separator:
        lastSeparator = parentMenu->addSeparator();
        break;
      case MenuEntry::Kind::Item: {
        QAction* a = parentMenu->addAction(e.caption);
        a->setObjectName(e.caption);
        a->setEnabled(!e.disabled);
        a->setCheckable(e.checkable);
        const QString operation = e.caption;
        connect(a, &QAction::triggered, this, [this, operation] { runOperation(operation); });
        d_->menuActions.insert(e.caption, a);
        if (e.caption == kRecruitment && lastSeparator) {
          d_->recruitmentSeparator = lastSeparator;
          lastSeparator->setObjectName(QStringLiteral("招生程序分隔线"));
        }
        break;
      }
    }
  }
}

void MainWindow::buildToolBar() {
  d_->toolbar = addToolBar(QStringLiteral("工具栏"));
  d_->toolbar->setObjectName(QStringLiteral("工具栏"));
  d_->toolbar->setMovable(false);
  d_->toolbar->setIconSize(QSize(24, 24));
  d_->toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  int group = 0;
  for (const ToolButtonEntry& e : toolbarLayout()) {
    if (e.caption.isEmpty()) {
      d_->toolbar->addSeparator();
      ++group;
      continue;
    }
    QAction* a = d_->toolbar->addAction(pictures::toolIcon(e.glyph, group), e.caption);
    a->setObjectName(e.caption);
    a->setToolTip(e.caption);
    d_->toolActions.insert(e.caption, a);
    if (e.caption == kMusicButton) {
      // The button opens the music menu; its items do the work.
      auto* button = qobject_cast<QToolButton*>(d_->toolbar->widgetForAction(a));
      button->setMenu(d_->menus.value(kMusicButton));
      button->setPopupMode(QToolButton::InstantPopup);
      continue;
    }
    if (e.caption == kWageButton) {
      auto* button = qobject_cast<QToolButton*>(d_->toolbar->widgetForAction(a));
      button->setMenu(d_->menus.value(kWageMenu));
      button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    const QString operation = e.operation;
    connect(a, &QAction::triggered, this, [this, operation] { runOperation(operation); });
  }
}

void MainWindow::buildPages() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("主区域"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  d_->schoolLabel = new QLabel(central);
  d_->schoolLabel->setObjectName(QStringLiteral("校名标签"));
  d_->schoolLabel->hide();

  d_->headingLabel = new QLabel(central);
  d_->headingLabel->setObjectName(QStringLiteral("标题标签"));
  d_->headingLabel->setAlignment(Qt::AlignCenter);
  d_->headingLabel->setContentsMargins(0, 4, 0, 4);
  QFont hf = d_->headingLabel->font();
  hf.setPointSizeF(hf.pointSizeF() * 1.3);
  hf.setBold(true);
  d_->headingLabel->setFont(hf);
  d_->headingLabel->hide();
  layout->addWidget(d_->headingLabel);

  d_->pages = new QStackedWidget(central);
  d_->pages->setObjectName(QStringLiteral("主页面"));
  layout->addWidget(d_->pages, 1);
  for (int i = 0; i < kPageCount; ++i) {
    auto* p = new QWidget(d_->pages);
    p->setObjectName(QStringLiteral("页面%1").arg(i));
    d_->pages->addWidget(p);
  }
  setCentralWidget(central);

  // Page 0: the main screen, laid out by hand to the window's size.
  QWidget* home = d_->pages->widget(0);
  d_->background = new QLabel(home);
  d_->background->setObjectName(QStringLiteral("首页底色标签"));
  d_->background->setAutoFillBackground(true);
  d_->background->setStyleSheet(QStringLiteral(
      "QLabel#首页底色标签 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0d3b66, stop:1 #1b5e8c); }"));
  d_->background->installEventFilter(this);

  d_->banner = new BannerPicture(home);
  d_->banner->setObjectName(QStringLiteral("图片框5"));
  d_->banner->resize(760, kDesignedBannerHeight);

  d_->schoolHeading = new QLabel(home);
  d_->schoolHeading->setObjectName(QStringLiteral("首页校名标签"));
  QFont sf = d_->schoolHeading->font();
  sf.setPixelSize(34);
  sf.setBold(true);
  d_->schoolHeading->setFont(sf);
  d_->schoolHeading->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  auto* shadow = new QGraphicsDropShadowEffect(d_->schoolHeading);
  shadow->setOffset(2, 2);
  shadow->setBlurRadius(6);
  shadow->setColor(QColor(0, 0, 0, 180));
  d_->schoolHeading->setGraphicsEffect(shadow);

  d_->exitBox = new QWidget(home);
  d_->exitBox->setObjectName(QStringLiteral("图片框4"));
  d_->exitBox->setCursor(Qt::PointingHandCursor);
  d_->exitBox->installEventFilter(this);
  auto* exitLayout = new QHBoxLayout(d_->exitBox);
  exitLayout->setContentsMargins(4, 4, 4, 4);
  d_->exitPicture = new QLabel(d_->exitBox);
  d_->exitPicture->setObjectName(QStringLiteral("退出图形按钮"));
  d_->exitPicture->setPixmap(pictures::exitPicture(44));
  d_->exitPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
  d_->exitLabel = new QLabel(QStringLiteral("退 出"), d_->exitBox);
  d_->exitLabel->setObjectName(QStringLiteral("退出标签"));
  QFont ef = d_->exitLabel->font();
  ef.setPixelSize(18);
  ef.setBold(true);
  d_->exitLabel->setFont(ef);
  setExitLabelColor(d_->exitLabel, Qt::white);
  d_->exitLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  exitLayout->addWidget(d_->exitPicture);
  exitLayout->addWidget(d_->exitLabel);
  d_->exitBox->adjustSize();

  // Page 9: the logged-in user's data, for code that reads it from there.
  QWidget* userPage = d_->pages->widget(kUserPage);
  auto* userLayout = new QVBoxLayout(userPage);
  for (const char* name : {"权限标签", "处室标签", "年级标签", "班级标签", "班级号标签", "班主任标签"}) {
    auto* l = new QLabel(userPage);
    l->setObjectName(QString::fromUtf8(name));
    userLayout->addWidget(l);
    d_->userLabels.insert(l->objectName(), l);
  }
  userLayout->addStretch(1);
}

void MainWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("状态栏"));
  bar->setSizeGripEnabled(false);
  const int stretch[3] = {0, 2, 3};
  for (int i = 0; i < 3; ++i) {
    d_->status[i] = new QLabel(bar);
    d_->status[i]->setObjectName(QStringLiteral("状态栏%1").arg(i + 1));
    d_->status[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    d_->status[i]->setMinimumWidth(i == 0 ? 120 : 160);
    bar->addPermanentWidget(d_->status[i], stretch[i]);
  }
}

// ---------------------------------------------------------------------------
// Operations this window serves itself

void MainWindow::installBuiltInOperations() {
  OperationRouter& r = d_->router;
  r.setBeforeRun([this](const QString& operation) {
    if (const int table = wageTableOfCaption(operation)) markWageTable(table);
  });

  r.setHandler(QStringLiteral("重新登录"), [this] { emit reloginRequested(); });
  r.setHandler(QStringLiteral("退出系统"), [this] { emit exitRequested(); });
  r.setHandler(QStringLiteral("返回主界面"), [this] { returnToMainScreen(); });
  r.setHandler(kLogSwitch, [this] {
    toggleLogSwitch(state_, prompt_);
    menuAction(kLogSwitch)->setText(logSwitchCaption(state_.operationLogOn));
  });
  r.setHandler(kWageButton, [this] { runOperation(wageMenuCaption(nextWageTable(markedWageTable()))); });
  r.setHandler(QStringLiteral("到首记录"), [this] { moveRecord(-2); });
  r.setHandler(QStringLiteral("上一条记录"), [this] { moveRecord(-1); });
  r.setHandler(QStringLiteral("下一条记录"), [this] { moveRecord(1); });
  r.setHandler(QStringLiteral("到尾记录"), [this] { moveRecord(2); });
  r.setHandler(kShowFloating, [this] { showFloatingWindow(); });
  r.setHandler(kHideFloating, [this] { hideFloatingWindow(); });

  r.setHandler(QStringLiteral("使用手册 "),
               [this] { openHelp(state_.appDir, QStringLiteral("Help.chm::/index.html"), prompt_); });
  r.setHandler(QStringLiteral("即时帮助"), [this] { openContextHelp(state_.appDir, currentPage(), prompt_); });
  r.setHandler(QStringLiteral("设置界面风格"), [this] {
    StyleDialog dialog(state_, this);
    dialog.exec();
  });
  r.setHandler(QStringLiteral("关于"), [this] {
    AboutWindow about(state_, this);
    about.exec();
  });
  r.setHandler(QStringLiteral("记事本"), [this] { startNotepad(prompt_); });
  r.setHandler(QStringLiteral("计算器"), [this] { startCalculator(prompt_); });
  r.setHandler(QStringLiteral("屏幕截图"),
               [this] { callScreenCapture(state_, prompt_, windowTitle(), [this] { showMinimized(); }); });

  r.setHandler(QStringLiteral("背景音乐一"),
               [this] { setMusicMark(d_->music->playTune(1) ? QStringLiteral("背景音乐一") : QString()); });
  r.setHandler(QStringLiteral("背景音乐二"),
               [this] { setMusicMark(d_->music->playTune(2) ? QStringLiteral("背景音乐二") : QString()); });
  r.setHandler(QStringLiteral("其它音乐"), [this] {
    const QString wasMarked = [this] {
      for (const QString& c : kMusicItems)
        if (c != QStringLiteral("其它音乐") && menuAction(c)->isChecked()) return c;
      return QString();
    }();
    const QString file = prompt_.openFile(QStringLiteral("选择音乐文件"),
                                          QStringLiteral("音乐文件|*.mp3;*.wav;*.mid;*.wma|所有文件|*.*"));
    if (file.isEmpty()) {
      setMusicMark(d_->music->playing() ? wasMarked : QString());
      return;
    }
    setMusicMark(d_->music->playFile(file) ? QStringLiteral("其它音乐") : QString());
  });
  r.setHandler(QStringLiteral("关闭音乐"), [this] {
    d_->music->stop();
    setMusicMark(QString());
  });

  for (const SideFunction& f : sideFunctions()) {
    const SideFunction* fn = &f;
    r.setHandler(f.operation, [this, fn] {
      QStringList extra;
      if (fn->extra != SideFunction::Extra::None) extra << state_.user.name;
      std::function<void()> before;
      if (fn->extra == SideFunction::Extra::LoginNameAndTitle) {
        extra << windowTitle();
        before = [this] { showMinimized(); };
      }
      callSideFunction(state_, prompt_, *fn, extra, before);
    });
  }
}

void MainWindow::setPageReloader(int page, std::function<void()> reload) {
  if (reload)
    d_->reloaders.insert(page, std::move(reload));
  else
    d_->reloaders.remove(page);
}

void MainWindow::reloadCurrentPage(std::initializer_list<int> pages) {
  const int current = currentPage();
  if (pages.size() > 0 && std::find(pages.begin(), pages.end(), current) == pages.end()) return;
  if (const auto reload = d_->reloaders.value(current)) reload();
}

void MainWindow::setRecordNavigator(RecordNavigator navigator) {
  d_->navigator = std::move(navigator);
  setRecordButtonsEnabled(bool(d_->navigator.count));
}

// -2 first, -1 previous, 1 next, 2 last.
void MainWindow::moveRecord(int step) {
  const RecordNavigator& nav = d_->navigator;
  if (!nav.count || !nav.current || !nav.moveTo) return;
  const int count = nav.count();
  if (count <= 0) return;
  const int current = nav.current();
  if (step == -1 && current <= 0) {
    prompt_.message(QStringLiteral("已到第一个记录"));
    return;
  }
  if (step == 1 && current >= count - 1) {
    prompt_.message(QStringLiteral("已到最后一个记录"));
    return;
  }
  const int target = step == -2 ? 0 : step == 2 ? count - 1 : current + step;
  nav.moveTo(std::clamp(target, 0, count - 1));
}

void MainWindow::setMusicMark(const QString& caption) {
  for (const QString& c : kMusicItems) menuAction(c)->setChecked(c == caption);
}

OperationRouter& MainWindow::operations() { return d_->router; }

bool MainWindow::runOperation(const QString& operation) { return d_->router.run(operation); }

// ---------------------------------------------------------------------------
// Start-up and login

void MainWindow::setSchoolName(const QString& name) {
  d_->schoolLabel->setText(name);
  d_->schoolHeading->setText(name + QStringLiteral("校务管理系统"));
  d_->schoolHeading->adjustSize();
  setWindowTitle(d_->schoolLabel->text() + QStringLiteral("校务管理系统"));
  layoutMainScreenIfShown();
}

QString MainWindow::schoolLabelText() const { return d_->schoolLabel->text(); }

void MainWindow::setStatusText(int part, const QString& text) {
  if (part >= 1 && part <= 3) d_->status[part - 1]->setText(text);
}

QString MainWindow::statusText(int part) const {
  return part >= 1 && part <= 3 ? d_->status[part - 1]->text() : QString();
}

void MainWindow::showWelcome(bool withSchoolName) {
  setStatusText(3, welcomeLine(withSchoolName ? schoolLabelText() : QString(), QDate::currentDate()));
}

void MainWindow::setFloatingMenuState(bool presentationOn) {
  menuAction(kShowFloating)->setEnabled(!presentationOn);
  menuAction(kHideFloating)->setEnabled(presentationOn);
}

void MainWindow::applyLogin() {
  const LoggedInUser& u = state_.user;
  setStatusText(1, u.name);
  d_->userLabels.value(QStringLiteral("权限标签"))->setText(u.levelText);
  d_->userLabels.value(QStringLiteral("处室标签"))->setText(u.office);
  d_->userLabels.value(QStringLiteral("年级标签"))->setText(u.gradeList);
  d_->userLabels.value(QStringLiteral("班级标签"))->setText(u.classList);
  d_->userLabels.value(QStringLiteral("班级号标签"))->setText(u.classIdList);
  d_->userLabels.value(QStringLiteral("班主任标签"))->setText(u.classTutor);

  readLogSwitch(state_);
  menuAction(kLogSwitch)->setText(logSwitchCaption(state_.operationLogOn));

  applyMenuRules();

  const bool recruitment = QFileInfo::exists(state_.localPath(QStringLiteral("Recruitment.dll")));
  menuAction(kRecruitment)->setVisible(recruitment);
  if (d_->recruitmentSeparator) d_->recruitmentSeparator->setVisible(recruitment);
}

void MainWindow::applyMenuRules() {
  auto actionOf = [this](const MenuTarget& t) {
    return t.where == MenuTarget::Where::Menu ? menuAction(t.caption) : toolButton(t.caption);
  };
  for (auto it = d_->officeHidden.cbegin(); it != d_->officeHidden.cend(); ++it) it.key()->setVisible(it.value());
  d_->officeHidden.clear();

  const bool tutor = !state_.user.classTutor.trimmed().isEmpty();
  for (const VisibilityChange& c : levelMenuChanges(state_.user.levelText, tutor))
    if (QAction* a = actionOf(c.target)) a->setVisible(c.visible);

  const QString hidden = readOfficeHiddenMenu(state_.db, state_.user.office);
  for (const MenuTarget& t : officeHiddenTargets(hidden)) {
    QAction* a = actionOf(t);
    if (!a) continue;
    if (!d_->officeHidden.contains(a)) d_->officeHidden.insert(a, a->isVisible());
    a->setVisible(false);
  }
  tidyToolbarSeparators();
}

void MainWindow::tidyToolbarSeparators() {
  // A separator shows only between two groups that still have buttons, so a
  // user with few buttons sees no run of empty dividers.
  QAction* pending = nullptr;
  bool buttonSinceSeparator = false;
  for (QAction* a : d_->toolbar->actions()) {
    if (a->isSeparator()) {
      a->setVisible(false);
      if (buttonSinceSeparator) {
        pending = a;
        buttonSinceSeparator = false;
      }
    } else if (a->isVisible()) {
      if (pending) pending->setVisible(true);
      pending = nullptr;
      buttonSinceSeparator = true;
    }
  }
}

void MainWindow::restoreFloatingWindow() {
  if (IniFile(state_.configIniPath()).read(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation")) ==
      QStringLiteral("1"))
    openFloatingWindow();
}

// ---------------------------------------------------------------------------
// Pages

void MainWindow::returnToMainScreen() {
  d_->navigator = {};
  setPrintEnabled(false);
  setRecordButtonsEnabled(false);
  setExportEnabled(false);
  d_->toolActions.value(QStringLiteral("返回主界面"))->setEnabled(false);
  markWageTable(0);
  setHeading(QString());
  setStatusText(2, mainScreenStatus());
  showWelcome(false);
  d_->pages->setCurrentIndex(0);
  layoutMainScreenIfShown();
}

QWidget* MainWindow::page(int index) const { return d_->pages->widget(index); }

int MainWindow::currentPage() const { return d_->pages->currentIndex(); }

void MainWindow::showPage(int index) {
  if (index < 0 || index >= kPageCount) return;
  d_->pages->setCurrentIndex(index);
  d_->toolActions.value(QStringLiteral("返回主界面"))->setEnabled(index != 0);
  layoutMainScreenIfShown();
}

void MainWindow::setHeading(const QString& text) {
  d_->headingLabel->setText(text);
  d_->headingLabel->setVisible(!text.isEmpty());
}

QString MainWindow::heading() const { return d_->headingLabel->text(); }

void MainWindow::layoutMainScreenIfShown() {
  if (d_->pages->currentIndex() != 0) return;
  const int menuHeight = menuBar()->isVisible() ? menuBar()->height() : 0;
  const QSize client(width(), height() - menuHeight);
  const int toolbarHeight = d_->toolbar->isVisible() ? d_->toolbar->height() : 0;
  const int statusHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
  d_->schoolHeading->adjustSize();
  d_->exitBox->adjustSize();
  const MainScreenLayout l = layoutMainScreen(client, toolbarHeight, statusHeight, d_->banner->height(),
                                              d_->schoolHeading->size(), d_->exitBox->size());
  d_->background->setGeometry(l.background);
  d_->banner->setGeometry(l.banner);
  d_->schoolHeading->setGeometry(l.heading);
  d_->exitBox->setGeometry(l.exit);
  d_->schoolHeading->raise();
  d_->exitBox->raise();
}

// ---------------------------------------------------------------------------
// Menus and toolbar

QAction* MainWindow::menuAction(const QString& caption) const { return d_->menuActions.value(caption); }

QMenu* MainWindow::menu(const QString& caption) const { return d_->menus.value(caption); }

QAction* MainWindow::toolButton(const QString& caption) const { return d_->toolActions.value(caption); }

QToolBar* MainWindow::toolBar() const { return d_->toolbar; }

void MainWindow::setPrintEnabled(bool enabled) {
  menuAction(QStringLiteral("打印"))->setEnabled(enabled);
  menuAction(QStringLiteral("打印预览"))->setEnabled(enabled);
  toolButton(QStringLiteral("打印预览"))->setEnabled(enabled);
  toolButton(QStringLiteral("打印当前内容"))->setEnabled(enabled);
}

void MainWindow::setRecordButtonsEnabled(bool enabled) {
  for (const QString& c : kRecordButtons) toolButton(c)->setEnabled(enabled);
}

void MainWindow::setExportEnabled(bool enabled) { toolButton(QStringLiteral("导出到Excel"))->setEnabled(enabled); }

int MainWindow::markedWageTable() const {
  for (int t = 1; t <= 5; ++t)
    if (menuAction(wageMenuCaption(t))->isChecked()) return t;
  return 0;
}

void MainWindow::markWageTable(int table) {
  for (int t = 1; t <= 5; ++t) {
    menuAction(wageMenuCaption(t))->setChecked(t == table);
    menuAction(wagePopupCaption(t))->setChecked(t == table);
  }
}

// ---------------------------------------------------------------------------
// Floating window

FloatingWindow* MainWindow::floatingWindow() const { return d_->floating; }

void MainWindow::showFloatingWindow() {
  IniFile(state_.configIniPath()).write(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"),
                                        QStringLiteral("1"));
  setFloatingMenuState(true);
  if (!d_->floating) {
    openFloatingWindow();
  } else if (!d_->floating->isVisible()) {
    d_->floating->show();
    d_->floating->stopTrayAnimation();
    d_->floating->updateTray();
  }
}

void MainWindow::hideFloatingWindow() {
  IniFile(state_.configIniPath()).write(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"),
                                        QStringLiteral("0"));
  setFloatingMenuState(false);
  destroyFloatingWindow();
}

void MainWindow::openFloatingWindow() {
  if (d_->floating) return;
  auto* f = new FloatingWindow(state_, prompt_, this);
  d_->floating = f;
  connect(f, &FloatingWindow::operationRequested, this, [this](const QString& op) { runOperation(op); });
  connect(f, &FloatingWindow::exitConfirmed, this, &MainWindow::exitConfirmed);
  connect(f, &FloatingWindow::destroyRequested, this, [this] {
    // Only the menu items change; the saved setting stays for the next start.
    setFloatingMenuState(false);
    destroyFloatingWindow();
  });
  f->placeOnScreen();
  f->show();
  f->updateTray();
}

void MainWindow::destroyFloatingWindow() {
  if (!d_->floating) return;
  FloatingWindow* f = d_->floating;
  d_->floating = nullptr;
  f->trayIcon()->hide();
  f->hide();
  f->deleteLater();
}

BackgroundMusic& MainWindow::music() { return *d_->music; }

// ---------------------------------------------------------------------------
// Events

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (d_->floating) {
    // The floating window and its tray icon bring the window back.
    hide();
    return;
  }
  if (state_.analysisRunning) return;
  emit exitRequested();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (width() < 800 || height() < 600) {
    resize(std::max(width(), 800), std::max(height(), 600));
    return;
  }
  layoutMainScreenIfShown();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  layoutMainScreenIfShown();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) layoutMainScreenIfShown();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == d_->exitBox) {
    if (event->type() == QEvent::Enter) {
      setExitLabelColor(d_->exitLabel, QColor(255, 0, 0));
    } else if (event->type() == QEvent::MouseButtonRelease) {
      emit exitRequested();
      return true;
    }
  } else if (watched == d_->background && event->type() == QEvent::Enter) {
    setExitLabelColor(d_->exitLabel, QColor(255, 255, 255));
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace sa::core
