#include "app/students/course_subjects_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/students/class_naming.h"
#include "app/students/course_subjects_service.h"
#include "app/students/school_setup_service.h"

namespace sa::students {

CourseSubjectsWindow::CourseSubjectsWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("课程设置窗口"));
  setWindowTitle(state_.schoolName + QStringLiteral("课程科目设置"));

  titleLine_ = new QLabel(QStringLiteral("设置修改本校的主要课程科目"), this);
  titleLine_->setObjectName(QStringLiteral("课程标题标签"));
  QFont tf = titleLine_->font();
  tf.setPointSizeF(tf.pointSizeF() * 1.25);
  tf.setBold(true);
  titleLine_->setFont(tf);
  titleLine_->setAlignment(Qt::AlignCenter);

  classBox_ = new QComboBox(this);
  classBox_->setObjectName(QStringLiteral("科目班级名组合框"));
  classBox_->setMinimumWidth(160);
  allClassesBox_ = new QCheckBox(QStringLiteral("所有班级使用统一的课程科目"), this);
  allClassesBox_->setObjectName(QStringLiteral("统一科目选择框"));

  auto* chooserRow = new QHBoxLayout;
  chooserRow->addWidget(new QLabel(QStringLiteral("班级："), this));
  chooserRow->addWidget(classBox_);
  chooserRow->addSpacing(16);
  chooserRow->addWidget(allClassesBox_);
  chooserRow->addStretch(1);

  auto* slotsBox = new QGroupBox(QStringLiteral("课程科目（按顺序填写）"), this);
  auto* grid = new QGridLayout(slotsBox);
  constexpr int kColumns = 4;
  for (int k = 1; k <= kSubjectSlots; ++k) {
    auto* label = new QLabel(QStringLiteral("第%1科").arg(k), slotsBox);
    auto* box = new QLineEdit(slotsBox);
    box->setObjectName(QStringLiteral("科目编辑框%1").arg(k));
    box->setMaxLength(20);
    label->setBuddy(box);
    const int row = (k - 1) / kColumns;
    const int col = ((k - 1) % kColumns) * 2;
    grid->addWidget(label, row, col, Qt::AlignRight);
    grid->addWidget(box, row, col + 1);
    subjectBoxes_ << box;
  }

  auto* notes = new QLabel(QStringLiteral("没有分数的科目放在最后面，如班会\n为了管理方便，最好全校统一设置"), this);
  notes->setObjectName(QStringLiteral("课程说明标签"));
  notes->setStyleSheet(QStringLiteral("color: #b03000;"));

  auto* save = new QPushButton(QStringLiteral("保存"), this);
  save->setObjectName(QStringLiteral("保存科目按钮"));
  auto* quit = new QPushButton(QStringLiteral("退出"), this);
  quit->setObjectName(QStringLiteral("退出科目按钮"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(notes, 1);
  buttons->addWidget(save);
  buttons->addWidget(quit);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titleLine_);
  layout->addLayout(chooserRow);
  layout->addWidget(slotsBox);
  layout->addLayout(buttons);

  connect(classBox_, &QComboBox::activated, this, &CourseSubjectsWindow::onClassChosen);
  connect(allClassesBox_, &QCheckBox::toggled, this, &CourseSubjectsWindow::onAllClassesToggled);
  connect(save, &QPushButton::clicked, this, &CourseSubjectsWindow::onSave);
  connect(quit, &QPushButton::clicked, this, &QDialog::reject);
}

bool CourseSubjectsWindow::load() {
  const auto names = readClassNames(state_.db, classOrderNumeric());
  if (!names) {
    prompt_.message(QStringLiteral("读取班级表失败！"));
    return false;
  }
  if (names->isEmpty()) {
    prompt_.message(QStringLiteral("目前没有班级数据，请先进行系统设置!"));
    return false;
  }
  classBox_->clear();
  classBox_->addItems(*names);
  classBox_->setCurrentIndex(0);
  showClass(names->first());
  titleLine_->setText(subjectsTitleForClass(names->first()));
  return true;
}

void CourseSubjectsWindow::showClass(const QString& className) {
  const auto subjects = readSubjects(state_.db, className);
  if (!subjects) {
    prompt_.message(QStringLiteral("读取班级表失败！"));
    return;
  }
  for (int k = 0; k < subjectBoxes_.size(); ++k) subjectBoxes_[k]->setText(subjects->value(k));
}

void CourseSubjectsWindow::onClassChosen(int index) {
  const QString name = classBox_->itemText(index);
  showClass(name);
  titleLine_->setText(subjectsTitleForClass(shortClassLabel(name)));
}

void CourseSubjectsWindow::onAllClassesToggled(bool on) {
  classBox_->setEnabled(!on);
  titleLine_->setText(on ? subjectsTitleForAll() : subjectsTitleForClass(shortClassLabel(classBox_->currentText())));
}

void CourseSubjectsWindow::onSave() {
  QStringList boxes;
  for (QLineEdit* box : subjectBoxes_) boxes << box->text();
  saveSubjects(state_.db, prompt_, boxes, allClassesBox_->isChecked(), classBox_->currentText());
}

}  // namespace sa::students
