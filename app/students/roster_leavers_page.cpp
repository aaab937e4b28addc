#include "app/students/roster_leavers_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/students/roster_page.h"

namespace sa::students {

namespace {
const QString kLeaversHint = QStringLiteral("  提示： 双击选择项可查看详细资料，右击选择项可弹出操作菜单。");
}  // namespace

LeaversRosterPage::LeaversRosterPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QWidget(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("离校学生列表页"));
  build();
}

void LeaversRosterPage::build() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* bar = new QHBoxLayout;
  dateCaption_ = new QLabel(QStringLiteral("毕业时间："), this);
  dates_ = new QComboBox(this);
  dates_->setObjectName(QStringLiteral("毕业日期组合框"));
  dates_->setMinimumWidth(140);
  searchText_ = new QLineEdit(this);
  searchText_->setObjectName(QStringLiteral("搜索离校生编辑框"));
  searchText_->setPlaceholderText(QStringLiteral("搜索条件"));
  searchText_->setClearButtonEnabled(true);
  searchField_ = new QComboBox(this);
  searchField_->setObjectName(QStringLiteral("搜索离校生组合框"));
  for (const SearchField& f : leaverSearchFields()) searchField_->addItem(f.caption);
  search_ = new QPushButton(QStringLiteral("本届搜索"), this);
  search_->setObjectName(QStringLiteral("离校生搜索按钮"));
  allYears_ = new QPushButton(QStringLiteral("历届搜索"), this);
  allYears_->setObjectName(QStringLiteral("历届搜索按钮"));
  bar->addWidget(dateCaption_);
  bar->addWidget(dates_);
  bar->addStretch(1);
  bar->addWidget(new QLabel(QStringLiteral("搜索："), this));
  bar->addWidget(searchField_);
  bar->addWidget(searchText_);
  bar->addWidget(search_);
  bar->addWidget(allYears_);
  layout->addLayout(bar);

  model_ = new RosterModel(leaverRosterColumns(), this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("离校生列表"));
  table_->setModel(model_);
  setUpRosterTable(table_, {44, 96, 84, 44, 56, 130, 84, 104, 104, 120});
  layout->addWidget(table_, 1);
  footer_ = new QLabel(this);
  footer_->setObjectName(QStringLiteral("离校生统计标签"));
  footer_->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(footer_);

  connect(dates_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) showDate(chosenDate());
  });
  connect(search_, &QPushButton::clicked, this, [this] {
    search(view_ == PupilView::Graduates ? SearchScope::ThisYearGraduates : SearchScope::Leavers);
  });
  connect(allYears_, &QPushButton::clicked, this, [this] { search(SearchScope::AllGraduates); });
  connect(table_, &QTableView::doubleClicked, this, [this] {
    if (const auto p = selectedPupil()) emit pupilActivated(*p);
  });
  connect(table_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex index = table_->indexAt(at);
    if (!index.isValid()) return;
    table_->selectRow(index.row());
    emit menuRequested(table_->viewport()->mapToGlobal(at));
  });
}

QString LeaversRosterPage::chosenDate() const { return dates_->currentIndex() >= 0 ? dates_->currentText() : QString(); }

void LeaversRosterPage::present(RosterData roster, const QString& title, const QString& status) {
  model_->setRoster(std::move(roster));
  emit headingChanged(title);
  emit statusChanged(2, status);
  updateFooter();
}

void LeaversRosterPage::updateFooter() {
  RosterData counts;
  counts.boys = model_->boys();
  counts.girls = model_->girls();
  counts.rows.resize(size_t(model_->count()));
  if (searchShown_)
    footer_->setText(QStringLiteral("搜索到%1个符合条件的学生资料 其中男生%2人 女生%3人")
                         .arg(counts.count())
                         .arg(counts.boys)
                         .arg(counts.girls));
  else
    footer_->setText(view_ == PupilView::Graduates ? graduatesRosterFooter(counts) : leaversRosterFooter(counts));
}

bool LeaversRosterPage::openGraduates(const QString& date) {
  const DateList list = readGraduationDates(state_.db);
  if (!list.ok) {
    prompt_.message(QStringLiteral("读取毕业时间表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (list.dates.isEmpty()) {
    prompt_.message(QStringLiteral("目前没有毕业生数据！"));
    return false;
  }
  view_ = PupilView::Graduates;
  dateCaption_->show();
  dates_->show();
  search_->setText(QStringLiteral("本届搜索"));
  allYears_->show();
  filling_ = true;
  dates_->clear();
  dates_->addItems(list.dates);
  const int at = date.isEmpty() ? -1 : dates_->findText(date);
  dates_->setCurrentIndex(at >= 0 ? at : 0);
  filling_ = false;
  emit statusChanged(3, kLeaversHint);
  showDate(chosenDate());
  return true;
}

void LeaversRosterPage::showDate(const QString& date) {
  RosterData roster = loadRoster(state_.db, graduatesRosterSql(state_.db, date), leaverRosterColumns());
  if (!roster.ok) {
    prompt_.message(QStringLiteral("读取毕业表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return;
  }
  const bool none = roster.count() == 0;
  searchShown_ = false;
  present(std::move(roster), graduatesRosterTitle(state_.schoolName, date), graduatesRosterStatus());
  if (none) prompt_.message(graduationYear(date) + QStringLiteral("没有毕业生数据！"));
}

bool LeaversRosterPage::openLeavers() {
  RosterData roster = loadRoster(state_.db, leaversRosterSql(), leaverRosterColumns());
  if (!roster.ok) {
    prompt_.message(QStringLiteral("读取转退表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (roster.count() == 0) {
    prompt_.message(QStringLiteral("目前本校没有因转学、退学等原因离校的学生数据！"));
    return false;
  }
  view_ = PupilView::Leavers;
  dateCaption_->hide();
  dates_->hide();
  search_->setText(QStringLiteral("开始搜索"));
  allYears_->hide();
  searchShown_ = false;
  emit statusChanged(3, kLeaversHint);
  present(std::move(roster), leaversRosterTitle(state_.schoolName), leaversRosterStatus());
  return true;
}

void LeaversRosterPage::search(SearchScope scope) {
  SearchRequest request;
  request.scope = scope;
  request.column = searchColumnOf(searchField_->currentText());
  request.text = searchText_->text();
  request.date = chosenDate();
  SearchOutcome outcome = searchPupils(state_.db, prompt_, request);
  if (outcome.status == SearchOutcome::Status::Found) {
    searchShown_ = true;
    present(std::move(outcome.found), searchTitle(request, state_.schoolName), searchStatus());
  }
  searchText_->setFocus();
  searchText_->setCursorPosition(int(searchText_->text().size()));
}

void LeaversRosterPage::reload() {
  const std::optional<SelectedPupil> chosen = selectedPupil();
  if (view_ == PupilView::Graduates) {
    RosterData roster = loadRoster(state_.db, graduatesRosterSql(state_.db, chosenDate()), leaverRosterColumns());
    if (roster.ok) present(std::move(roster), graduatesRosterTitle(state_.schoolName, chosenDate()), graduatesRosterStatus());
  } else {
    RosterData roster = loadRoster(state_.db, leaversRosterSql(), leaverRosterColumns());
    if (roster.ok) present(std::move(roster), leaversRosterTitle(state_.schoolName), leaversRosterStatus());
  }
  searchShown_ = false;
  updateFooter();
  if (chosen) selectPupil(chosen->id);
}

std::optional<SelectedPupil> LeaversRosterPage::selectedPupil() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  const RosterRow* row = rows.isEmpty() ? nullptr : model_->rowAt(rows.first().row());
  if (!row) return std::nullopt;
  SelectedPupil p;
  p.view = view_;
  p.id = row->id;
  p.code = row->code;
  p.name = row->name;
  p.className = row->className;
  p.leavingDate = row->leavingDate;
  return p;
}

bool LeaversRosterPage::selectPupil(const QString& id) {
  const int row = model_->rowOfId(id);
  if (row < 0) return false;
  table_->selectRow(row);
  table_->scrollTo(model_->index(row, 0));
  return true;
}

void LeaversRosterPage::removePupil(const QString& id) {
  if (!model_->removeId(id)) return;
  updateFooter();
  if (model_->rowCount() > 0) table_->selectRow(0);
}

}  // namespace sa::students
