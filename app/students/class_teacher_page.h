#pragma once
// Main window page 10 ("班级情况表"): each class with its tutor, its numbers of
// boys and girls and the teacher of every subject.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/class_teacher_service.h"
#include "app/ui/prompt.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace sa::core {
class MainWindow;
}

namespace sa::students {

class ClassTeacherPage : public QWidget {
  Q_OBJECT
 public:
  // `window` receives the heading and status texts; it may be null.
  ClassTeacherPage(core::AppState& state, ui::Prompt& prompt, core::MainWindow* window, QWidget* parent = nullptr);

  // The menu item: fills the class chooser, shows the first class.
  void open();
  // Reads the classes and the table again, keeping the chosen class.
  void reload();

  // A click on a row opens that class's in-school roster; a click on a
  // column heading the staff records. Their owners plug these in.
  void setRosterOpener(std::function<void(const QString& className)> opener) { rosterOpener_ = std::move(opener); }
  void setStaffOpener(std::function<void()> opener) { staffOpener_ = std::move(opener); }
  // Opens the teacher edit window; tests replace it so no modal window blocks them.
  void setEditOpener(std::function<void(const QString& className, const QString& subject)> opener) {
    editOpener_ = std::move(opener);
  }

  const std::optional<TeacherTable>& table() const { return table_; }

 private:
  void load(const QString& preferredClass);
  void showTable();
  void fill();
  void showTexts();
  void onRowClicked(int row);
  void onRowDoubleClicked(int row, int column);
  void openEditWindow(const QString& className, const QString& subject);

  core::AppState& state_;
  ui::Prompt& prompt_;
  core::MainWindow* window_;
  QComboBox* classBox_ = nullptr;
  QCheckBox* allBox_ = nullptr;
  QTableWidget* grid_ = nullptr;
  std::optional<TeacherTable> table_;
  QTimer clickTimer_;
  int pendingRow_ = -1;
  std::function<void(const QString&)> rosterOpener_;
  std::function<void()> staffOpener_;
  std::function<void(const QString&, const QString&)> editOpener_;
};

}  // namespace sa::students
