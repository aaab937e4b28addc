#include "app/students/record_operations.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core/levels.h"
#include "app/core/main_window.h"
#include "app/core/operation_log.h"
#include "app/students/class_teacher_page.h"
#include "app/students/personal_code_window.h"
#include "app/students/roster_leavers_page.h"
#include "app/students/roster_page.h"
#include "app/students/setup_operations.h"
#include "app/students/student_delete_service.h"
#include "app/students/student_detail_page.h"
#include "app/students/student_entry_window.h"

namespace sa::students {

namespace {

// The four record buttons move the selection of a roster's table.
core::MainWindow::RecordNavigator tableNavigator(QTableView* table) {
  return {[table] { return table->model() ? table->model()->rowCount() : 0; },
          [table] { return table->currentIndex().row(); },
          [table](int row) {
            table->selectRow(row);
            table->scrollTo(table->model()->index(row, 0));
          }};
}

const QString kObjectName = QStringLiteral("学生页面");

void placeOnPage(QWidget* host, QWidget* page) {
  auto* layout = new QVBoxLayout(host);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(page);
}

}  // namespace

StudentPages::StudentPages(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt)
    : QObject(&window), window_(window), state_(state), prompt_(prompt) {
  setObjectName(kObjectName);
  detail_ = new StudentDetailPage(state_, prompt_, window_.page(kPupilDetailPage));
  roster_ = new InSchoolRosterPage(state_, prompt_, window_.page(kInSchoolRosterPage));
  leavers_ = new LeaversRosterPage(state_, prompt_, window_.page(kLeaversRosterPage));
  placeOnPage(window_.page(kPupilDetailPage), detail_);
  placeOnPage(window_.page(kInSchoolRosterPage), roster_);
  placeOnPage(window_.page(kLeaversRosterPage), leavers_);
  wirePage(detail_, kPupilDetailPage);
  wirePage(roster_, kInSchoolRosterPage);
  wirePage(leavers_, kLeaversRosterPage);

  connect(detail_, &StudentDetailPage::nameMenuRequested, this, &StudentPages::showNameMenu);
  connect(detail_, &StudentDetailPage::photoMenuRequested, this, [this](const QPoint& at) {
    if (QMenu* m = window_.menu(QStringLiteral("图片"))) m->popup(at);
  });
  connect(roster_, &InSchoolRosterPage::menuRequested, this, &StudentPages::showRosterMenu);
  connect(leavers_, &LeaversRosterPage::menuRequested, this, [this](const QPoint& at) {
    if (QMenu* m = window_.menu(QStringLiteral("学离"))) m->popup(at);
  });
  connect(roster_, &InSchoolRosterPage::pupilActivated, this,
          [this](const SelectedPupil& p) { showDetail(PupilView::InSchool, p.className, p.id); });
  connect(leavers_, &LeaversRosterPage::pupilActivated, this, [this](const SelectedPupil& p) {
    showDetail(p.view, p.view == PupilView::Graduates ? leavers_->chosenDate() : QString(), p.id);
  });
}

StudentPages* StudentPages::of(core::MainWindow& window) {
  return window.findChild<StudentPages*>(kObjectName, Qt::FindDirectChildrenOnly);
}

void StudentPages::wirePage(QObject* page, int index) {
  // A page speaks to the heading and status bar only while it is the one shown
  // (or being opened), so a reload in the background changes nothing visible.
  auto shown = [this, index] { return window_.currentPage() == index || opening_ == index; };
  if (auto* d = qobject_cast<StudentDetailPage*>(page)) {
    connect(d, &StudentDetailPage::headingChanged, this, [this, shown](const QString& t) {
      if (shown()) window_.setHeading(t);
    });
    connect(d, &StudentDetailPage::statusChanged, this, [this, shown](int part, const QString& t) {
      if (shown()) window_.setStatusText(part, t);
    });
  } else if (auto* r = qobject_cast<InSchoolRosterPage*>(page)) {
    connect(r, &InSchoolRosterPage::headingChanged, this, [this, shown](const QString& t) {
      if (shown()) window_.setHeading(t);
    });
    connect(r, &InSchoolRosterPage::statusChanged, this, [this, shown](int part, const QString& t) {
      if (shown()) window_.setStatusText(part, t);
    });
  } else if (auto* l = qobject_cast<LeaversRosterPage*>(page)) {
    connect(l, &LeaversRosterPage::headingChanged, this, [this, shown](const QString& t) {
      if (shown()) window_.setHeading(t);
    });
    connect(l, &LeaversRosterPage::statusChanged, this, [this, shown](int part, const QString& t) {
      if (shown()) window_.setStatusText(part, t);
    });
  }
  window_.setPageReloader(index, [this, index] {
    if (window_.currentPage() == index) reloadCurrentPage();
  });
}

StudentEntryWindow* StudentPages::modifyWindow() const {
  return qobject_cast<StudentEntryWindow*>(modifyWindow_.data());
}

bool StudentPages::showingPupilPage() const {
  const int page = window_.currentPage();
  return page == kPupilDetailPage || page == kInSchoolRosterPage || page == kLeaversRosterPage;
}

std::optional<SelectedPupil> StudentPages::selectedPupil() const {
  switch (window_.currentPage()) {
    case kPupilDetailPage: return detail_->selectedPupil();
    case kInSchoolRosterPage: return roster_->selectedPupil();
    case kLeaversRosterPage: return leavers_->selectedPupil();
    default: return std::nullopt;
  }
}

bool StudentPages::showDetail(PupilView view, const QString& key, const QString& id) {
  opening_ = kPupilDetailPage;
  const bool ok = detail_->open(view, key, id);
  opening_ = -1;
  if (!ok) return false;
  view_ = view;
  window_.showPage(kPupilDetailPage);
  return true;
}

bool StudentPages::showClassRoster(const QString& className, bool scoreSheetOption) {
  opening_ = kInSchoolRosterPage;
  const bool ok = roster_->open(className, scoreSheetOption);
  opening_ = -1;
  if (!ok) return false;
  view_ = PupilView::InSchool;
  window_.showPage(kInSchoolRosterPage);
  window_.setRecordNavigator(tableNavigator(roster_->table()));
  return true;
}

bool StudentPages::showGraduatesRoster(const QString& date) {
  opening_ = kLeaversRosterPage;
  const bool ok = leavers_->openGraduates(date);
  opening_ = -1;
  if (!ok) return false;
  view_ = PupilView::Graduates;
  window_.showPage(kLeaversRosterPage);
  window_.setRecordNavigator(tableNavigator(leavers_->table()));
  return true;
}

bool StudentPages::showLeaversRoster() {
  opening_ = kLeaversRosterPage;
  const bool ok = leavers_->openLeavers();
  opening_ = -1;
  if (!ok) return false;
  view_ = PupilView::Leavers;
  window_.showPage(kLeaversRosterPage);
  window_.setRecordNavigator(tableNavigator(leavers_->table()));
  return true;
}

void StudentPages::removePupil(const QString& id) {
  switch (window_.currentPage()) {
    case kPupilDetailPage: detail_->removePupil(id); break;
    case kInSchoolRosterPage: roster_->removePupil(id); break;
    case kLeaversRosterPage: leavers_->removePupil(id); break;
    default: break;
  }
}

void StudentPages::reloadCurrentPage() {
  switch (window_.currentPage()) {
    case kPupilDetailPage: detail_->reload(); break;
    case kInSchoolRosterPage: roster_->reload(); break;
    case kLeaversRosterPage: leavers_->reload(); break;
    default: break;
  }
}

void StudentPages::reloadIfShowingClass(const QString& className) {
  switch (window_.currentPage()) {
    case kPupilDetailPage:
      if (detail_->view() == PupilView::InSchool && detail_->currentKey() == className) detail_->reload();
      break;
    case kInSchoolRosterPage:
      if (roster_->showing() == InSchoolRosterPage::Showing::WholeSchool || roster_->chosenClass() == className)
        roster_->reload();
      break;
    default: break;
  }
}

bool StudentPages::requireClasses() {
  const ClassList classes = readClasses(state_.db);
  if (!classes.ok) {
    prompt_.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (!classes.classes.isEmpty()) return true;
  prompt_.message(QStringLiteral("目前没有班级数据，请先进行校务设置！"));
  window_.runOperation(QStringLiteral("校务设置"));
  return false;
}

bool StudentPages::requireCodes() {
  return requireAllPupilCodes(state_, prompt_, &window_, [this](PersonalCodeWindow* w) { watchCodeWindow(w); });
}

void StudentPages::watchCodeWindow(PersonalCodeWindow* w) {
  connect(w, &QDialog::finished, this, [this, w] {
    if (w->anythingAssigned()) reloadCurrentPage();
  });
  emit codeWindowOpened(w);
}

void StudentPages::openCodeWindow() {
  auto* w = new PersonalCodeWindow(state_, prompt_, &window_);
  w->setAttribute(Qt::WA_DeleteOnClose);
  watchCodeWindow(w);
  w->open();
}

void StudentPages::addPupil() {
  if (!requireCodes()) return;
  const std::optional<SelectedPupil> chosen = selectedPupil();
  QString startClass;
  if (chosen && chosen->view == PupilView::InSchool) startClass = chosen->className;
  else if (window_.currentPage() == kInSchoolRosterPage) startClass = roster_->chosenClass();
  auto* w = new StudentEntryWindow(state_, prompt_, StudentEntryWindow::Mode::Add, &window_);
  w->setAttribute(Qt::WA_DeleteOnClose);
  if (!w->prepare(startClass)) {
    delete w;
    return;
  }
  connect(w, &QDialog::finished, this, [this, w] {
    for (const QString& cls : w->savedClasses()) reloadIfShowingClass(cls);
  });
  emit entryWindowOpened(w);
  w->open();
}

void StudentPages::modifyPupil() {
  if (!requireCodes()) return;
  if (StudentEntryWindow* open = modifyWindow()) {
    open->raise();
    open->activateWindow();
    return;
  }
  const std::optional<SelectedPupil> chosen = selectedPupil();
  QString startClass, startCode;
  if (chosen && chosen->view == PupilView::InSchool) {
    startClass = chosen->className;
    startCode = chosen->code;
  } else if (window_.currentPage() == kInSchoolRosterPage) {
    startClass = roster_->chosenClass();
  }
  auto* w = new StudentEntryWindow(state_, prompt_, StudentEntryWindow::Mode::Modify, &window_);
  w->setAttribute(Qt::WA_DeleteOnClose);
  if (!w->prepare(startClass, startCode)) {
    delete w;
    return;
  }
  modifyWindow_ = w;
  connect(w, &QDialog::finished, this, [this, w] {
    for (const QString& cls : w->savedClasses()) reloadIfShowingClass(cls);
  });
  emit entryWindowOpened(w);
  w->show();
}

void StudentPages::deleteSelected() {
  if (!requireCodes()) return;
  const std::optional<SelectedPupil> chosen = selectedPupil();
  if (!chosen) {
    prompt_.message(noPupilSelectedText(), QStringLiteral("提示"));
    return;
  }
  const int page = window_.currentPage();
  const DeleteSource source = page == kPupilDetailPage     ? DeleteSource::DetailPage
                              : page == kInSchoolRosterPage ? DeleteSource::InSchoolList
                                                            : DeleteSource::LeaversList;
  if (deletePupil(state_.db, prompt_, *chosen, source) != DeleteResult::Deleted) return;
  core::writeOperationLog(state_, chosen->name + QStringLiteral("的资料被删除。"));
  removePupil(chosen->id);
}

void StudentPages::deleteFromLeaversMenu() {
  const std::optional<SelectedPupil> chosen = selectedPupil();
  if (!chosen || chosen->view == PupilView::InSchool) {
    prompt_.message(noPupilSelectedText(), QStringLiteral("提示"));
    return;
  }
  if (deletePupil(state_.db, prompt_, *chosen, DeleteSource::LeaversContext) != DeleteResult::Deleted) return;
  core::writeOperationLog(state_, chosen->name + QStringLiteral("的资料被删除。"));
  removePupil(chosen->id);
}

void StudentPages::savePhoto() {
  const QByteArray bytes = window_.currentPage() == kPupilDetailPage ? detail_->photo() : QByteArray();
  if (bytes.isEmpty()) {
    prompt_.message(QStringLiteral("没有可以保存的照片！"), QStringLiteral("提示"));
    return;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QString suffix = QString::fromLatin1(QImageReader::imageFormat(&buffer)).toLower();
  if (suffix.isEmpty() || suffix == QStringLiteral("jpeg")) suffix = QStringLiteral("jpg");
  const QString file = prompt_.saveFile(QStringLiteral("保存图片"),
                                        suffix.toUpper() + QStringLiteral("文件|*.") + suffix, suffix);
  if (file.isEmpty()) return;
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
    prompt_.message(QStringLiteral("保存图片失败！"), QStringLiteral("错误"), ui::Icon::Error);
}

QMenu* StudentPages::inSchoolMenu() {
  if (inSchoolMenu_) return inSchoolMenu_;
  inSchoolMenu_ = new QMenu(&window_);
  inSchoolMenu_->setObjectName(QStringLiteral("在校学生右键菜单"));
  for (const char* caption : {"修改学生资料", "删除学生资料", "调整学生班级", "学生转学退学"}) {
    const QString operation = QString::fromUtf8(caption);
    QAction* a = inSchoolMenu_->addAction(operation);
    a->setObjectName(operation);
    connect(a, &QAction::triggered, this, [this, operation] { window_.runOperation(operation); });
  }
  inSchoolMenu_->addSeparator();
  QAction* add = inSchoolMenu_->addAction(QStringLiteral("添加学生资料"));
  add->setObjectName(QStringLiteral("添加学生资料"));
  connect(add, &QAction::triggered, this, [this] { window_.runOperation(QStringLiteral("添加学生资料")); });
  return inSchoolMenu_;
}

void StudentPages::showNameMenu(const QPoint& at) {
  if (detail_->view() == PupilView::InSchool)
    inSchoolMenu()->popup(at);
  else if (QMenu* m = window_.menu(QStringLiteral("学离")))
    m->popup(at);
}

void StudentPages::showRosterMenu(const QPoint& at) {
  QMenu* menu = inSchoolMenu();
  // The roster's own first item: the pupil's whole record.
  if (!menu->findChild<QAction*>(QStringLiteral("查看详细资料"))) {
    QAction* view = new QAction(QStringLiteral("查看详细资料"), menu);
    view->setObjectName(QStringLiteral("查看详细资料"));
    connect(view, &QAction::triggered, this, [this] {
      if (const auto p = roster_->selectedPupil()) showDetail(PupilView::InSchool, p->className, p->id);
    });
    menu->insertAction(menu->actions().value(0), view);
  }
  for (QAction* a : menu->actions())
    if (a->objectName() == QStringLiteral("查看详细资料")) a->setVisible(window_.currentPage() == kInSchoolRosterPage);
  menu->popup(at);
}

void registerRecordOperations(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt) {
  auto* pages = new StudentPages(window, state, prompt);
  core::OperationRouter& r = window.operations();
  r.setHandler(QStringLiteral("添加学生资料"), [pages] { pages->addPupil(); });
  r.setHandler(QStringLiteral("修改学生资料"), [pages] { pages->modifyPupil(); });
  r.setHandler(QStringLiteral("删除学生资料"), [pages] { pages->deleteSelected(); });
  r.setHandler(QStringLiteral("删除学生"), [pages] { pages->deleteFromLeaversMenu(); });
  r.setHandler(QStringLiteral("设置个人识别码"), [pages] { pages->openCodeWindow(); });
  r.setHandler(QStringLiteral("保存图片"), [pages] { pages->savePhoto(); });

  r.setHandler(QStringLiteral("查看学生资料"), [pages] {
    if (!pages->requireClasses() || !pages->requireCodes()) return;
    const std::optional<SelectedPupil> chosen = pages->selectedPupil();
    if (chosen && chosen->view == PupilView::InSchool)
      pages->showDetail(PupilView::InSchool, chosen->className, chosen->id);
    else
      pages->showDetail(PupilView::InSchool);
  });
  r.setHandler(QStringLiteral("在校学生列表"), [pages] {
    if (!pages->requireClasses() || !pages->requireCodes()) return;
    pages->showClassRoster();
  });
  r.setHandler(QStringLiteral("班级学生名册"), [pages, &state, &prompt] {
    // Not in the menu's level table, but a viewing operation like the others.
    if (!core::checkLevel(state.user, {core::LevelRequirement::Kind::AnyAdministrator, 0}, prompt)) return;
    if (!pages->requireClasses() || !pages->requireCodes()) return;
    pages->showClassRoster({}, true);
  });
  r.setHandler(QStringLiteral("毕业学生列表"), [pages] { pages->showGraduatesRoster(); });
  r.setHandler(QStringLiteral("转退学生列表"), [pages] { pages->showLeaversRoster(); });
  r.setHandler(QStringLiteral("毕业学生资料"), [pages] { pages->showDetail(PupilView::Graduates); });
  r.setHandler(QStringLiteral("转退学生资料"), [pages] { pages->showDetail(PupilView::Leavers); });

  // A click on a class of the class-and-teaching page opens its roster; that
  // page may be registered after this one.
  core::MainWindow* w = &window;
  auto plugRosterOpener = [w, pages] {
    if (ClassTeacherPage* page = classTeacherPage(*w)) {
      page->setRosterOpener([pages](const QString& cls) { pages->showClassRoster(cls); });
      return true;
    }
    return false;
  };
  if (!plugRosterOpener()) QTimer::singleShot(0, pages, plugRosterOpener);
}

}  // namespace sa::students
