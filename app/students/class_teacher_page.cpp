#include "app/students/class_teacher_page.h"

#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/main_window.h"
#include "app/students/class_naming.h"
#include "app/students/class_teacher_edit_window.h"

namespace sa::students {

ClassTeacherPage::ClassTeacherPage(core::AppState& state, ui::Prompt& prompt, core::MainWindow* window,
                                   QWidget* parent)
    : QWidget(parent), state_(state), prompt_(prompt), window_(window) {
  setObjectName(QStringLiteral("班级任课页"));

  classBox_ = new QComboBox(this);
  classBox_->setObjectName(QStringLiteral("任课表班级组合框"));
  classBox_->setMinimumWidth(160);
  allBox_ = new QCheckBox(QStringLiteral("显示所有班级"), this);
  allBox_->setObjectName(QStringLiteral("显示所有班级任课老师选择框"));
  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel(QStringLiteral("选择班级："), this));
  bar->addWidget(classBox_);
  bar->addSpacing(12);
  bar->addWidget(allBox_);
  bar->addStretch(1);

  grid_ = new QTableWidget(this);
  grid_->setObjectName(QStringLiteral("班级任课表"));
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setAlternatingRowColors(true);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionsClickable(true);
  grid_->horizontalHeader()->setHighlightSections(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(grid_, 1);

  // A click waits for the double-click time, so that a double-click edits
  // the row instead of leaving the page for the roster.
  clickTimer_.setSingleShot(true);
  clickTimer_.setInterval(QApplication::doubleClickInterval());
  connect(&clickTimer_, &QTimer::timeout, this, [this] {
    const int row = pendingRow_;
    pendingRow_ = -1;
    if (row >= 0 && rosterOpener_ && table_ && row < int(table_->rows.size()))
      rosterOpener_(table_->rows[size_t(row)].className);
  });

  connect(classBox_, &QComboBox::activated, this, [this] { showTable(); });
  connect(allBox_, &QCheckBox::toggled, this, [this] { showTable(); });
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { onRowClicked(row); });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &ClassTeacherPage::onRowDoubleClicked);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
    if (staffOpener_) staffOpener_();
  });
}

void ClassTeacherPage::open() { load(QString()); }

void ClassTeacherPage::reload() { load(classBox_->currentText()); }

void ClassTeacherPage::load(const QString& preferredClass) {
  // The classes may have changed since the page was last shown.
  const auto names = readTeacherPageClasses(state_.db);
  if (!names) {
    prompt_.message(QStringLiteral("读取班级表失败！"));
    return;
  }
  classBox_->clear();
  classBox_->addItems(*names);
  if (names->isEmpty()) {
    prompt_.message(QStringLiteral("  找不到任何班级数据。"));
    table_.reset();
    fill();
    showTexts();
    return;
  }
  classBox_->setCurrentIndex(std::max(0, int(names->indexOf(preferredClass))));
  showTable();
}

void ClassTeacherPage::showTable() {
  if (classBox_->count() == 0) return;
  const bool all = allBox_->isChecked();
  const QString header = all ? classBox_->itemText(0) : classBox_->currentText();
  auto table = readTeacherTable(state_.db, prompt_, header, all);
  if (!table) return;  // the screen stays as it was
  table_ = std::move(table);
  fill();
  showTexts();
}

void ClassTeacherPage::fill() {
  grid_->clear();
  if (!table_) {
    grid_->setRowCount(0);
    grid_->setColumnCount(0);
    return;
  }
  const QStringList headings = table_->headings();
  grid_->setColumnCount(headings.size());
  grid_->setHorizontalHeaderLabels(headings);
  grid_->setRowCount(int(table_->rows.size()));
  for (int r = 0; r < int(table_->rows.size()); ++r) {
    const TeacherTableRow& row = table_->rows[size_t(r)];
    QStringList cells = {row.className, row.tutor, QString::number(row.total()), QString::number(row.boys),
                         QString::number(row.girls)};
    cells << row.teachers;
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c >= 2 && c <= 4) item->setTextAlignment(Qt::AlignCenter);
      grid_->setItem(r, c, item);
    }
  }
  grid_->resizeColumnsToContents();
  for (int c = 0; c < grid_->columnCount(); ++c) grid_->setColumnWidth(c, std::max(grid_->columnWidth(c) + 18, 64));
}

void ClassTeacherPage::showTexts() {
  const bool all = allBox_->isChecked();
  const bool empty = !table_ || table_->rows.empty();
  const QString cls = classBox_->currentText();
  if (!window_) return;
  window_->setHeading(teacherTableTitle(cls, all, empty));
  window_->setStatusText(2, teacherTableStatus());
  window_->setStatusText(3, empty ? QString() : teacherTableHint(cls, all));
}

void ClassTeacherPage::onRowClicked(int row) {
  pendingRow_ = row;
  clickTimer_.start();
}

void ClassTeacherPage::onRowDoubleClicked(int row, int column) {
  clickTimer_.stop();
  pendingRow_ = -1;
  if (!table_ || row < 0 || row >= int(table_->rows.size())) return;
  const QString cls = table_->rows[size_t(row)].className;
  if (!prompt_.askYesNo(QStringLiteral("你要修改%1的任课老师吗？").arg(shortClassLabel(cls)), QStringLiteral("询问"),
                        ui::Icon::Question))
    return;
  const QTableWidgetItem* heading = grid_->horizontalHeaderItem(column);
  const QString subject = column >= 5 && heading ? subjectOfHeading(heading->text()) : QString();
  openEditWindow(cls, subject);
}

void ClassTeacherPage::openEditWindow(const QString& className, const QString& subject) {
  if (editOpener_) {
    editOpener_(className, subject);
    return;
  }
  ClassTeacherEditWindow window(state_, prompt_, className, subject, [this] { showTable(); }, this);
  window.exec();
}

}  // namespace sa::students
