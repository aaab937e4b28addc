#include "app/students/personal_code_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/students/class_naming.h"
#include "app/students/personal_code_service.h"

namespace sa::students {

PersonalCodeWindow::PersonalCodeWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("批量设置个人识别码"));
  setWindowTitle(QStringLiteral("批量设置个人识别码"));

  auto* layout = new QVBoxLayout(this);
  group_ = new QGroupBox(QStringLiteral("批量设置个人识别码"), this);
  group_->setObjectName(QStringLiteral("识别码分组框"));
  auto* grid = new QGridLayout(group_);

  prefix_ = new QLineEdit(group_);
  prefix_->setObjectName(QStringLiteral("识别码开头编辑框"));
  prefix_->setMaxLength(12);
  grades_ = new QComboBox(group_);
  grades_->setObjectName(QStringLiteral("设置识别码年级组合框"));
  references_ = new QComboBox(group_);
  references_->setObjectName(QStringLiteral("参考字符组合框"));

  grid->addWidget(new QLabel(QStringLiteral("个人识别码开头字符："), group_), 0, 0);
  grid->addWidget(prefix_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("参考字符："), group_), 0, 2);
  grid->addWidget(references_, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("选择年级："), group_), 1, 0);
  grid->addWidget(grades_, 1, 1);
  progress_ = new QProgressBar(group_);
  progress_->setObjectName(QStringLiteral("识别码进度条"));
  progress_->setTextVisible(true);
  progress_->setValue(0);
  grid->addWidget(progress_, 1, 2, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  layout->addWidget(group_);

  auto* note = new QLabel(QStringLiteral(
                              "    首先填写识别码开头字符，然后选择年级。开头字符一定要和其他年级开头有明显的区别，"
                              "并且每个年级都不能相同。\r\n    如果已经自定义设置了一些个人识别码，系统将自动按照个人识别码"
                              "开头字符在已编的识别码后面顺序添加，否则按照001、002的顺序添加。"),
                          this);
  note->setObjectName(QStringLiteral("说明标签"));
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* buttons = new QHBoxLayout;
  startButton_ = new QPushButton(QStringLiteral("开始设置"), this);
  startButton_->setObjectName(QStringLiteral("开始设置按钮"));
  auto* close = new QPushButton(QStringLiteral("关闭窗口"), this);
  close->setObjectName(QStringLiteral("关闭窗口按钮"));
  buttons->addStretch(1);
  buttons->addWidget(startButton_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(520, 260);

  const GradeList grades = readCodeGrades(state_.db);
  if (!grades.ok) prompt_.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
  for (const QString& g : grades.grades) grades_->addItem(gradeWords(g), g);
  grades_->setCurrentIndex(-1);

  connect(grades_, &QComboBox::activated, this, [this] { gradeChosen(); });
  connect(references_, &QComboBox::activated, this, [this] { prefix_->setText(references_->currentText()); });
  connect(startButton_, &QPushButton::clicked, this, [this] { start(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void PersonalCodeWindow::chooseGrade(const QString& gradeId) {
  grades_->setCurrentIndex(grades_->findData(gradeId));
  gradeChosen();
}

QString PersonalCodeWindow::chosenGrade() const { return grades_->currentData().toString(); }

void PersonalCodeWindow::gradeChosen() {
  const QString g = chosenGrade();
  ids_.clear();
  if (g.isEmpty()) return;
  const UncodedPupils uncoded = readUncodedPupils(state_.db, g);
  if (!uncoded.ok) {
    prompt_.message(QStringLiteral("读取学籍表错误！"), QStringLiteral("错误"), ui::Icon::Error);
    return;
  }
  ids_ = uncoded.ids;
  group_->setTitle(batchGroupCaption(g, int(ids_.size())));
  prefix_->setEnabled(!ids_.isEmpty());
  startButton_->setEnabled(!ids_.isEmpty());
  references_->clear();
  references_->addItems(referencePrefixes(state_.db, g));
  references_->setCurrentIndex(-1);
  progress_->setRange(0, std::max<int>(1, int(ids_.size())));
  progress_->setValue(0);
}

void PersonalCodeWindow::start() {
  const BatchResult result = assignBatchCodes(state_.db, prompt_, prefix_->text(), chosenGrade(), ids_,
                                              [this](int done, int) { progress_->setValue(done); });
  if (!result.ran) {
    prefix_->setFocus();
    return;
  }
  if (!result.codes.isEmpty()) assigned_ = true;
  // The grade's caption and lists now tell what is left to number.
  gradeChosen();
}

bool requireAllPupilCodes(core::AppState& state, ui::Prompt& prompt, QWidget* parent,
                          const std::function<void(PersonalCodeWindow*)>& opened) {
  const CodeCheck check = checkAllPupilsHaveCodes(state.db, prompt);
  if (check == CodeCheck::AllSet) return true;
  if (check == CodeCheck::Missing) {
    auto* window = new PersonalCodeWindow(state, prompt, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (opened) opened(window);
    window->open();
  }
  return false;
}

}  // namespace sa::students
