#pragma once
// The window "批量设置个人识别码": numbers the pupils of one grade who have no
// personal code yet.
#include <QDialog>
#include <functional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace sa::students {

class PersonalCodeWindow : public QDialog {
  Q_OBJECT
 public:
  PersonalCodeWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // Chooses a grade as the grade chooser does (by its GradeID).
  void chooseGrade(const QString& gradeId);
  QString chosenGrade() const;
  // True once some pupil got a code here; the pupil lists then reload.
  bool anythingAssigned() const { return assigned_; }

 private:
  void gradeChosen();
  void start();

  core::AppState& state_;
  ui::Prompt& prompt_;
  QGroupBox* group_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QComboBox* grades_ = nullptr;
  QComboBox* references_ = nullptr;
  QPushButton* startButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QStringList ids_;
  bool assigned_ = false;
};

// The precondition of the windows that find pupils by their code: true when
// every pupil has one. Otherwise the user is told, the batch window opens
// (when some codes are missing) and false comes back: the caller stops.
bool requireAllPupilCodes(core::AppState& state, ui::Prompt& prompt, QWidget* parent,
                          const std::function<void(PersonalCodeWindow*)>& opened = {});

}  // namespace sa::students
