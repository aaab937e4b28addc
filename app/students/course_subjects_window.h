#pragma once
// The course-subject window: the twenty subject slots of one class, or of
// every class at once.
#include <QDialog>
#include <QList>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace sa::students {

class CourseSubjectsWindow : public QDialog {
  Q_OBJECT
 public:
  CourseSubjectsWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // Fills the class chooser and the first class's subjects. False (after
  // telling the user) when there is no class: the window is not to be shown.
  bool load();

 private:
  void showClass(const QString& className);
  void onClassChosen(int index);
  void onAllClassesToggled(bool on);
  void onSave();

  core::AppState& state_;
  ui::Prompt& prompt_;
  QLabel* titleLine_ = nullptr;
  QComboBox* classBox_ = nullptr;
  QCheckBox* allClassesBox_ = nullptr;
  QList<QLineEdit*> subjectBoxes_;
};

}  // namespace sa::students
