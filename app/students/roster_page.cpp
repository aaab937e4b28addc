#include "app/students/roster_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace sa::students {

void setUpRosterTable(QTableView* table, const QVector<int>& widths) {
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setAlternatingRowColors(true);
  table->setWordWrap(false);
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  table->setIconSize(QSize(14, 14));
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table->horizontalHeader()->setStretchLastSection(true);
  table->horizontalHeader()->setHighlightSections(false);
  for (int i = 0; i < widths.size(); ++i) table->setColumnWidth(i, widths[i]);
}

InSchoolRosterPage::InSchoolRosterPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QWidget(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("在校学生列表页"));
  build();
}

void InSchoolRosterPage::build() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);

  auto* bar = new QHBoxLayout;
  classChooser_ = new QComboBox(this);
  classChooser_->setObjectName(QStringLiteral("在校生列表班级组合框"));
  classChooser_->setMinimumWidth(150);
  classChooser_->setMaxVisibleItems(20);
  all_ = new QPushButton(QStringLiteral("全部"), this);
  all_->setObjectName(QStringLiteral("全部按钮"));
  scoreSheet_ = new QCheckBox(QStringLiteral("登分表"), this);
  scoreSheet_->setObjectName(QStringLiteral("登分表选择框"));
  searchText_ = new QLineEdit(this);
  searchText_->setObjectName(QStringLiteral("搜索在校生编辑框"));
  searchText_->setPlaceholderText(QStringLiteral("搜索条件"));
  searchText_->setClearButtonEnabled(true);
  searchField_ = new QComboBox(this);
  searchField_->setObjectName(QStringLiteral("搜索在校生组合框"));
  for (const SearchField& f : inSchoolSearchFields()) searchField_->addItem(f.caption);
  classSearch_ = new QPushButton(QStringLiteral("班内搜索"), this);
  classSearch_->setObjectName(QStringLiteral("班内搜索按钮"));
  schoolSearch_ = new QPushButton(QStringLiteral("全校搜索"), this);
  schoolSearch_->setObjectName(QStringLiteral("全校搜索按钮"));
  bar->addWidget(new QLabel(QStringLiteral("班级："), this));
  bar->addWidget(classChooser_);
  bar->addWidget(all_);
  bar->addWidget(scoreSheet_);
  bar->addStretch(1);
  bar->addWidget(new QLabel(QStringLiteral("搜索："), this));
  bar->addWidget(searchField_);
  bar->addWidget(searchText_);
  bar->addWidget(classSearch_);
  bar->addWidget(schoolSearch_);
  layout->addLayout(bar);

  model_ = new RosterModel(inSchoolRosterColumns(), this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("在校生列表"));
  table_->setModel(model_);
  setUpRosterTable(table_, {96, 96, 84, 44, 56, 250, 84, 104, 104, 120});
  layout->addWidget(table_, 1);

  footer_ = new QLabel(this);
  footer_->setObjectName(QStringLiteral("在校生统计标签"));
  footer_->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(footer_);

  connect(classChooser_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) showClass(chosenClass());
  });
  connect(all_, &QPushButton::clicked, this, &InSchoolRosterPage::showWholeSchool);
  connect(classSearch_, &QPushButton::clicked, this, [this] { search(SearchScope::InClass); });
  connect(schoolSearch_, &QPushButton::clicked, this, [this] { search(SearchScope::WholeSchool); });
  connect(searchText_, &QLineEdit::returnPressed, this, [this] { search(SearchScope::WholeSchool); });
  connect(table_, &QTableView::doubleClicked, this, [this] {
    if (const auto p = selectedPupil()) emit pupilActivated(*p);
  });
  connect(table_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex index = table_->indexAt(at);
    if (index.isValid()) table_->selectRow(index.row());
    emit menuRequested(table_->viewport()->mapToGlobal(at));
  });
}

bool InSchoolRosterPage::open(const QString& className, bool scoreSheetOption) {
  classes_ = readClasses(state_.db);
  if (!classes_.ok) {
    prompt_.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (classes_.classes.isEmpty()) {
    prompt_.message(QStringLiteral("目前没有班级数据，请先进行校务设置！"));
    return false;
  }
  filling_ = true;
  classChooser_->clear();
  classChooser_->addItems(classes_.names());
  const int at = className.isEmpty() ? -1 : classChooser_->findText(className);
  classChooser_->setCurrentIndex(at >= 0 ? at : 0);
  filling_ = false;
  scoreSheet_->setChecked(scoreSheetOption);
  showClass(chosenClass());
  return true;
}

QString InSchoolRosterPage::chosenClass() const {
  return classChooser_->currentIndex() >= 0 ? classChooser_->currentText() : QString();
}

bool InSchoolRosterPage::scoreSheetOption() const { return scoreSheet_->isChecked(); }

void InSchoolRosterPage::present(RosterData roster, Showing showing, const QString& title) {
  model_->setRoster(std::move(roster));
  showing_ = showing;
  emit headingChanged(title);
  emit statusChanged(2, showing == Showing::SearchResult ? searchStatus() : inSchoolRosterStatus());
  emit statusChanged(3, inSchoolRosterHint());
  updateFooter();
  if (model_->rowCount() > 0) table_->scrollToTop();
}

void InSchoolRosterPage::updateFooter() {
  RosterData counts;
  counts.boys = model_->boys();
  counts.girls = model_->girls();
  counts.rows.resize(size_t(model_->count()));
  switch (showing_) {
    case Showing::Class: footer_->setText(classRosterFooter(classes_.tutorOf(shownClass_), counts)); break;
    case Showing::WholeSchool: footer_->setText(wholeSchoolRosterFooter(counts)); break;
    case Showing::SearchResult:
      footer_->setText(QStringLiteral("搜索到%1个符合条件的学生资料 其中男生%2人 女生%3人")
                           .arg(model_->count())
                           .arg(model_->boys())
                           .arg(model_->girls()));
      break;
    case Showing::Nothing: footer_->clear(); break;
  }
}

void InSchoolRosterPage::showClass(const QString& className) {
  if (className.isEmpty()) return;
  if (chosenClass() != className) {
    filling_ = true;
    classChooser_->setCurrentIndex(classChooser_->findText(className));
    filling_ = false;
  }
  RosterData roster = loadRoster(state_.db, classRosterSql(state_.db, className), inSchoolRosterColumns());
  if (!roster.ok) {
    prompt_.message(QStringLiteral("读取学籍表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return;
  }
  shownClass_ = className;
  present(std::move(roster), Showing::Class, classRosterTitle(state_.schoolName, className));
}

void InSchoolRosterPage::setLoading(bool loading) {
  for (QWidget* w : {static_cast<QWidget*>(classChooser_), static_cast<QWidget*>(classSearch_),
                     static_cast<QWidget*>(schoolSearch_)})
    w->setEnabled(!loading);
}

void InSchoolRosterPage::showWholeSchool() {
  setLoading(true);
  RosterData roster = loadRoster(state_.db, wholeSchoolRosterSql(), inSchoolRosterColumns());
  setLoading(false);
  if (!roster.ok) {
    prompt_.message(QStringLiteral("读取学籍表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return;
  }
  shownClass_.clear();
  present(std::move(roster), Showing::WholeSchool, wholeSchoolRosterTitle(state_.schoolName));
}

void InSchoolRosterPage::search(SearchScope scope) {
  SearchRequest request;
  request.scope = scope;
  request.column = searchColumnOf(searchField_->currentText());
  request.text = searchText_->text();
  request.className = chosenClass();
  SearchOutcome outcome = searchPupils(state_.db, prompt_, request);
  if (outcome.status == SearchOutcome::Status::Found) {
    shownClass_ = scope == SearchScope::InClass ? request.className : QString();
    present(std::move(outcome.found), Showing::SearchResult, searchTitle(request, state_.schoolName));
  }
  searchText_->setFocus();
  searchText_->setCursorPosition(int(searchText_->text().size()));
}

void InSchoolRosterPage::reload() {
  const std::optional<SelectedPupil> chosen = selectedPupil();
  classes_ = readClasses(state_.db);
  filling_ = true;
  const QString keep = chosenClass();
  classChooser_->clear();
  classChooser_->addItems(classes_.names());
  classChooser_->setCurrentIndex(std::max(0, int(classChooser_->findText(keep))));
  filling_ = false;
  if (showing_ == Showing::WholeSchool)
    showWholeSchool();
  else
    showClass(classes_.names().contains(shownClass_) ? shownClass_ : chosenClass());
  if (chosen) selectPupil(chosen->id);
}

std::optional<SelectedPupil> InSchoolRosterPage::selectedPupil() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  const RosterRow* row = rows.isEmpty() ? nullptr : model_->rowAt(rows.first().row());
  if (!row) return std::nullopt;
  SelectedPupil p;
  p.view = PupilView::InSchool;
  p.id = row->id;
  p.code = row->code;
  p.name = row->name;
  p.className = row->className;
  return p;
}

bool InSchoolRosterPage::selectPupil(const QString& id) {
  const int row = model_->rowOfId(id);
  if (row < 0) return false;
  table_->selectRow(row);
  table_->scrollTo(model_->index(row, 0));
  return true;
}

void InSchoolRosterPage::removePupil(const QString& id) {
  if (!model_->removeId(id)) return;
  updateFooter();
  if (model_->rowCount() > 0) table_->selectRow(0);
}

}  // namespace sa::students
