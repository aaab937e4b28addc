#pragma once
// "修改<class>任课教师": choose a class and one of its subjects, type the
// teacher's name, save; "继续修改" keeps the window open for the same class.
#include <QDialog>
#include <functional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace sa::students {

class ClassTeacherEditWindow : public QDialog {
  Q_OBJECT
 public:
  // `subject` preselects a subject of the class when given. `saved` runs
  // after every successful save (the page refreshes its table).
  ClassTeacherEditWindow(core::AppState& state, ui::Prompt& prompt, const QString& className,
                         const QString& subject, std::function<void()> saved, QWidget* parent = nullptr);

 private:
  void loadSubjects();
  void showTeacher();
  void onOk();

  core::AppState& state_;
  ui::Prompt& prompt_;
  std::function<void()> saved_;
  QLabel* guide_ = nullptr;
  QComboBox* classBox_ = nullptr;
  QComboBox* subjectBox_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
};

}  // namespace sa::students
