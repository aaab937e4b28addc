#include "app/students/class_teacher_edit_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/students/class_naming.h"
#include "app/students/class_teacher_service.h"
#include "app/students/course_subjects_service.h"
#include "app/students/school_setup_service.h"

namespace sa::students {

ClassTeacherEditWindow::ClassTeacherEditWindow(core::AppState& state, ui::Prompt& prompt, const QString& className,
                                               const QString& subject, std::function<void()> saved, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt), saved_(std::move(saved)) {
  setObjectName(QStringLiteral("修改任课教师窗口"));

  guide_ = new QLabel(this);
  guide_->setObjectName(QStringLiteral("任课说明标签"));
  QFont gf = guide_->font();
  gf.setBold(true);
  guide_->setFont(gf);

  classBox_ = new QComboBox(this);
  classBox_->setObjectName(QStringLiteral("任课班级组合框"));
  subjectBox_ = new QComboBox(this);
  subjectBox_->setObjectName(QStringLiteral("任课学科组合框"));
  nameBox_ = new QLineEdit(this);
  nameBox_->setObjectName(QStringLiteral("任课教师编辑框"));
  nameBox_->setMaxLength(30);
  for (QWidget* w : {static_cast<QWidget*>(classBox_), static_cast<QWidget*>(subjectBox_),
                     static_cast<QWidget*>(nameBox_)})
    w->setMinimumWidth(180);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("第一步：选中班级名称"), classBox_);
  form->addRow(QStringLiteral("第二步：选择学科名称"), subjectBox_);
  form->addRow(QStringLiteral("第三步：填写老师姓名"), nameBox_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("任课确定按钮"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  form->addRow(QStringLiteral("第四步：按确定钮保存"), buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(guide_);
  layout->addLayout(form);
  setMinimumWidth(420);

  if (const auto names = readClassNames(state_.db, classOrderNumeric()))
    classBox_->addItems(*names);
  else
    prompt_.message(QStringLiteral("读取班级表失败！"));
  const int at = classBox_->findText(className);
  if (at >= 0)
    classBox_->setCurrentIndex(at);
  else if (!className.isEmpty())
    classBox_->setEditText(className);
  loadSubjects();
  if (!subject.isEmpty()) {
    const int s = subjectBox_->findText(subject);
    if (s >= 0) subjectBox_->setCurrentIndex(s);
  }
  showTeacher();

  connect(classBox_, &QComboBox::currentIndexChanged, this, [this] {
    loadSubjects();
    showTeacher();
  });
  connect(subjectBox_, &QComboBox::activated, this, &ClassTeacherEditWindow::showTeacher);
  connect(buttons, &QDialogButtonBox::accepted, this, &ClassTeacherEditWindow::onOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ClassTeacherEditWindow::loadSubjects() {
  const QString cls = classBox_->currentText();
  setWindowTitle(QStringLiteral("修改%1任课教师").arg(cls));
  guide_->setText(QStringLiteral("你在修改%1的任课情况，按下面步骤进行").arg(cls));
  subjectBox_->clear();
  const auto subjectSlots = readSubjectSlots(state_.db, cls);
  if (!subjectSlots) return;
  // Each item remembers its slot: the teacher goes to the slot of the
  // subject even where an older list left a gap before it.
  for (const SubjectSlot& s : *subjectSlots) subjectBox_->addItem(s.subject, s.slot);
}

void ClassTeacherEditWindow::showTeacher() {
  const int slot = subjectBox_->currentData().toInt();
  if (slot < 1) {
    nameBox_->clear();
    return;
  }
  const auto teachers = readSubjectTeachers(state_.db, classBox_->currentText());
  nameBox_->setText(teachers ? teachers->value(slot - 1) : QString());
  nameBox_->selectAll();
  nameBox_->setFocus();
}

void ClassTeacherEditWindow::onOk() {
  const int slot = subjectBox_->count() == 0 ? 0 : subjectBox_->currentData().toInt();
  switch (saveSubjectTeacher(state_.db, prompt_, classBox_->currentText(), slot, nameBox_->text())) {
    case TeacherSave::Failed:
      return;
    case TeacherSave::Continue:
      if (saved_) saved_();
      nameBox_->selectAll();
      nameBox_->setFocus();
      return;
    case TeacherSave::Done:
      if (saved_) saved_();
      accept();
      return;
  }
}

}  // namespace sa::students
