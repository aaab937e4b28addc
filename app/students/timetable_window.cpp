#include "app/students/timetable_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/students/class_naming.h"
#include "app/students/school_setup_service.h"

namespace sa::students {
namespace {

// Grid columns: the half-day mark, the period name, then the six weekdays.
constexpr int kHalfDayColumn = 0;
constexpr int kPeriodColumn = 1;
constexpr int kFirstDayColumn = 2;

QTableWidgetItem* labelItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  // Not enabled: the arrow keys step over the labels.
  item->setFlags(Qt::NoItemFlags);
  item->setTextAlignment(Qt::AlignCenter);
  item->setForeground(QColor(0x1b, 0x3a, 0x5c));
  item->setBackground(QColor(0xe8, 0xef, 0xf7));
  return item;
}

}  // namespace

TimetableWindow::TimetableWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("课程表窗口"));
  setWindowTitle(QStringLiteral("查看课程表"));

  classBox_ = new QComboBox(this);
  classBox_->setObjectName(QStringLiteral("课程表班级组合框"));
  classBox_->setMinimumWidth(160);
  auto* printPreview = new QPushButton(QStringLiteral("打印预览"), this);
  printPreview->setObjectName(QStringLiteral("课程表打印预览按钮"));
  auto* print = new QPushButton(QStringLiteral("打印"), this);
  print->setObjectName(QStringLiteral("课程表打印按钮"));
  auto* quit = new QPushButton(QStringLiteral("退出"), this);
  quit->setObjectName(QStringLiteral("课程表退出按钮"));
  auto* bar = new QHBoxLayout;
  // Enter belongs to the grid and its chooser, never to a button.
  for (QPushButton* b : {printPreview, print, quit}) b->setAutoDefault(false);
  bar->addWidget(new QLabel(QStringLiteral("选择班级："), this));
  bar->addWidget(classBox_);
  bar->addStretch(1);
  bar->addWidget(printPreview);
  bar->addWidget(print);
  bar->addWidget(quit);

  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("课程表标题标签"));
  title_->setAlignment(Qt::AlignCenter);
  QFont tf = title_->font();
  tf.setPointSizeF(tf.pointSizeF() * 1.5);
  tf.setBold(true);
  title_->setFont(tf);
  tutor_ = new QLabel(this);
  tutor_->setObjectName(QStringLiteral("课程表班主任标签"));
  tutor_->setAlignment(Qt::AlignRight);

  grid_ = new QTableWidget(kTimetablePeriods, kFirstDayColumn + kTimetableDays, this);
  grid_->setObjectName(QStringLiteral("课程表格"));
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->setTabKeyNavigation(false);
  grid_->verticalHeader()->hide();
  QStringList headings = {QString(), QString()};
  for (int d = 1; d <= kTimetableDays; ++d) headings << weekdayHeading(d);
  grid_->setHorizontalHeaderLabels(headings);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(kHalfDayColumn, QHeaderView::Fixed);
  grid_->horizontalHeader()->setSectionResizeMode(kPeriodColumn, QHeaderView::Fixed);
  grid_->setColumnWidth(kHalfDayColumn, 44);
  grid_->setColumnWidth(kPeriodColumn, 84);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->setStyleSheet(QStringLiteral("QTableWidget::item:selected { background: #ffd24d; color: black; }"));
  grid_->setItem(0, kHalfDayColumn, labelItem(QStringLiteral("上\n\n午")));
  grid_->setSpan(0, kHalfDayColumn, 4, 1);
  grid_->setItem(4, kHalfDayColumn, labelItem(QStringLiteral("下\n\n午")));
  grid_->setSpan(4, kHalfDayColumn, 4, 1);
  for (int p = 1; p <= kTimetablePeriods; ++p) {
    grid_->setItem(p - 1, kPeriodColumn, labelItem(periodHeading(p)));
    for (int d = 1; d <= kTimetableDays; ++d) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignCenter);
      grid_->setItem(p - 1, kFirstDayColumn + d - 1, cell);
    }
  }
  grid_->installEventFilter(this);

  const bool editor = mayEditTimetable(state_.user);
  hint_ = new QLabel(editor ? QStringLiteral("提示：选中一节课后按回车键或双击，即可选择科目修改；选好后按回车键保存，Esc键放弃。")
                            : QStringLiteral("提示：课程表只能由教务处或教导处的高级管理员修改。"),
                     this);
  hint_->setObjectName(QStringLiteral("课程表提示标签"));
  hint_->setStyleSheet(QStringLiteral("color: #555;"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(title_);
  layout->addWidget(tutor_);
  layout->addWidget(grid_, 1);
  layout->addWidget(hint_);
  resize(760, 520);

  connect(classBox_, &QComboBox::activated, this, [this] { showClass(classBox_->currentText()); });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (dayOfColumn(column) == 0) return;
    grid_->setCurrentCell(row, column);
    openChooser();
  });
  connect(printPreview, &QPushButton::clicked, this, &TimetableWindow::onPrint);
  connect(print, &QPushButton::clicked, this, &TimetableWindow::onPrint);
  connect(quit, &QPushButton::clicked, this, &TimetableWindow::close);
}

bool TimetableWindow::load() {
  const auto names = readClassNames(state_.db, classOrderNumeric());
  if (!names) {
    prompt_.message(QStringLiteral("载入课程表数据失败！"));
    return false;
  }
  if (names->isEmpty()) {
    prompt_.message(noClassesForTimetable());
    return false;
  }
  classBox_->clear();
  classBox_->addItems(*names);
  classBox_->setCurrentIndex(0);
  showClass(names->first());
  selectCell(1, 1);
  return true;
}

int TimetableWindow::dayOfColumn(int column) {
  const int day = column - kFirstDayColumn + 1;
  return day >= 1 && day <= kTimetableDays ? day : 0;
}

void TimetableWindow::selectCell(int day, int period) {
  grid_->setCurrentCell(period - 1, kFirstDayColumn + day - 1);
  grid_->setFocus();
}

void TimetableWindow::showClass(const QString& className) {
  closeChooser();
  auto t = readTimetable(state_.db, prompt_, className);
  if (!t) return;
  table_ = std::move(t);
  title_->setText(timetableTitle(state_.schoolName, table_->className));
  tutor_->setText(QStringLiteral("班主任：") + table_->tutor);
  for (int d = 1; d <= kTimetableDays; ++d)
    for (int p = 1; p <= kTimetablePeriods; ++p)
      grid_->item(p - 1, kFirstDayColumn + d - 1)->setText(table_->at(d, p));
}

void TimetableWindow::openChooser() {
  if (editing() || !table_ || !mayEditTimetable(state_.user)) return;
  const int row = grid_->currentRow();
  const int day = dayOfColumn(grid_->currentColumn());
  if (row < 0 || day == 0) return;
  const auto subjects = readTimetableSubjects(state_.db, prompt_, table_->className);
  if (!subjects) return;

  editDay_ = day;
  editPeriod_ = row + 1;
  const QString current = table_->at(editDay_, editPeriod_);
  chooser_ = new QComboBox(grid_->viewport());
  chooser_->setObjectName(QStringLiteral("课程科目组合框"));
  chooser_->addItems(*subjects);
  chooser_->setCurrentIndex(chooser_->findText(current));
  chooser_->setGeometry(grid_->visualItemRect(grid_->item(row, grid_->currentColumn())));
  chooser_->installEventFilter(this);
  connect(chooser_, &QComboBox::activated, this, [this] { commitChooser(); });
  chooser_->show();
  chooser_->setFocus();
}

void TimetableWindow::commitChooser() {
  if (!editing()) return;
  const QString subject = chooser_->currentText();
  if (chooser_->currentIndex() >= 0 && subject != table_->at(editDay_, editPeriod_)) {
    if (!writeTimetableCell(state_.db, prompt_, table_->className, editDay_, editPeriod_, subject)) return;
    table_->cells[size_t(editDay_ - 1)][size_t(editPeriod_ - 1)] = subject;
    grid_->item(editPeriod_ - 1, kFirstDayColumn + editDay_ - 1)->setText(subject);
  }
  closeChooser();
}

void TimetableWindow::closeChooser() {
  if (!chooser_) return;
  QComboBox* c = chooser_;
  chooser_ = nullptr;
  c->hide();
  c->deleteLater();
  grid_->setFocus();
}

bool TimetableWindow::refuseWhileEditing() {
  if (!editing()) return false;
  prompt_.message(leaveEditingFirst());
  return true;
}

void TimetableWindow::onPrint() {
  if (refuseWhileEditing()) return;
  const QString templatePath = state_.localPath(QStringLiteral("Template/课程表.xls"));
  if (!QFileInfo::exists(templatePath)) {
    prompt_.message(QStringLiteral("  打开模板文件失败！  "), QStringLiteral("错误"));
    return;
  }
}

void TimetableWindow::reject() {
  if (refuseWhileEditing()) return;
  QDialog::reject();
}

void TimetableWindow::closeEvent(QCloseEvent* event) {
  if (refuseWhileEditing()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

bool TimetableWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == grid_ && enter) {
      openChooser();
      return true;
    }
    if (chooser_ && watched == chooser_) {
      if (enter) {
        commitChooser();
        return true;
      }
      if (key == Qt::Key_Escape) {
        closeChooser();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace sa::students
