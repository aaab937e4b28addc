#include "app/students/subject_count_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/students/subject_count_service.h"

namespace sa::students {

SubjectCountWindow::SubjectCountWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("科目数量设置窗口"));
  setWindowTitle(QStringLiteral("学生资料科目数数量设置"));

  hint_ = new QLabel(subjectCountHint(), this);
  hint_->setObjectName(QStringLiteral("科目数提示标签"));
  countBox_ = new QLineEdit(QString::number(state_.subjectCount), this);
  countBox_->setObjectName(QStringLiteral("科目数编辑框"));
  countBox_->setMaxLength(4);
  countBox_->installEventFilter(this);
  saveButton_ = new QPushButton(QStringLiteral("保  存"), this);
  saveButton_->setObjectName(QStringLiteral("保存科目数按钮"));
  saveButton_->setDefault(true);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("科目数："), this));
  row->addWidget(countBox_, 1);
  row->addWidget(saveButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint_);
  layout->addLayout(row);
  setMinimumWidth(340);

  connect(saveButton_, &QPushButton::clicked, this, &SubjectCountWindow::onSave);
}

bool SubjectCountWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == countBox_ && event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    // Only typed characters count; backspace, Enter and the decimal point
    // leave the hint as it is.
    if (text.size() == 1 && text[0].isPrint() && text[0] != QLatin1Char('.')) {
      const bool digit = text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
      hint_->setText(digit ? subjectCountHint() : subjectCountDigitsOnlyHint());
      saveButton_->setEnabled(digit);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SubjectCountWindow::onSave() {
  if (saveSubjectCount(state_, prompt_, countBox_->text())) {
    accept();
    return;
  }
  countBox_->clear();
  countBox_->setFocus();
}

}  // namespace sa::students
