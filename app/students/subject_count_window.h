#pragma once
// "学生资料科目数数量设置": the number of subject slots the screens show.
#include <QDialog>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace sa::students {

class SubjectCountWindow : public QDialog {
  Q_OBJECT
 public:
  SubjectCountWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onSave();

  core::AppState& state_;
  ui::Prompt& prompt_;
  QLabel* hint_ = nullptr;
  QLineEdit* countBox_ = nullptr;
  QPushButton* saveButton_ = nullptr;
};

}  // namespace sa::students
