#pragma once
// The school setup window ("校务设置"): the class list with tutors and
// categories, adding, changing and deleting classes, and the doors to the
// course-subject and category windows.
#include <QDialog>
#include <functional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace sa::students {

class SchoolSetupWindow : public QDialog {
  Q_OBJECT
 public:
  SchoolSetupWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // True once a class was added or deleted or the course window was opened:
  // the main window's class pages need reloading when this window closes.
  bool classesChanged() const { return classesChanged_; }

  // The course-subject window opened by "课程设置"; tests replace it so that
  // no modal window blocks them.
  void setCourseWindowOpener(std::function<void()> opener) { courseOpener_ = std::move(opener); }

 private:
  void loadClassList();
  void loadCategories();
  void onRowSelected();
  void onPageChanged(int index);
  void onAddClass();
  void onChangeTutor();
  void onChangeCategory();
  void onDeleteClass();
  void onCourseSubjects();
  void onCategorySetup();
  QString selectedClass() const;

  core::AppState& state_;
  ui::Prompt& prompt_;
  bool classesChanged_ = false;
  std::function<void()> courseOpener_;

  QTreeWidget* classList_ = nullptr;
  QComboBox* tutorBox_ = nullptr;
  QComboBox* categoryBox_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QComboBox* gradeBox_ = nullptr;
  QComboBox* classBox_ = nullptr;
  QLineEdit* customNameBox_ = nullptr;
  QLineEdit* schoolNameBox_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* tutorButton_ = nullptr;
  QPushButton* categoryButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* courseButton_ = nullptr;
  QPushButton* categorySetupButton_ = nullptr;
};

// "修改<class>的班主任姓名": one name box; OK runs `save` and closes when it
// returns true.
class TutorDialog : public QDialog {
  Q_OBJECT
 public:
  TutorDialog(const QString& className, const QString& currentTutor, std::function<bool(const QString&)> save,
              QWidget* parent = nullptr);

 private:
  QLineEdit* nameBox_ = nullptr;
  std::function<bool(const QString&)> save_;
};

// "修改<class>的班级分类": the category list headed by the sentinel, nothing
// chosen at first.
class CategoryDialog : public QDialog {
  Q_OBJECT
 public:
  CategoryDialog(const QString& className, const QStringList& choices, std::function<bool(const QString&)> save,
                 QWidget* parent = nullptr);

 private:
  QComboBox* choiceBox_ = nullptr;
  std::function<bool(const QString&)> save_;
};

// "班级分类设置": the eight category slots of config.ini.
class CategorySetupDialog : public QDialog {
  Q_OBJECT
 public:
  CategorySetupDialog(const QString& configIniPath, ui::Prompt& prompt, QWidget* parent = nullptr);

 private:
  void onSave();
  QString path_;
  ui::Prompt& prompt_;
  QList<QLineEdit*> boxes_;
};

}  // namespace sa::students
