#pragma once
// "查看课程表": a class's week as a 6 × 8 grid. The teaching office changes a
// period in place with a subject chooser over the cell.
#include <QDialog>
#include <QComboBox>
#include <QPointer>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/timetable_service.h"
#include "app/ui/prompt.h"


class QLabel;
class QTableWidget;

namespace sa::students {

class TimetableWindow : public QDialog {
  Q_OBJECT
 public:
  TimetableWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // Fills the class chooser and shows the first class. False (after telling
  // the user) when there is no class: the window is not to be shown.
  bool load();

  // Browsing or editing one cell.
  bool editing() const { return chooser_ != nullptr; }
  // Selects the cell of weekday `day` (1..6) and period `period` (1..8).
  void selectCell(int day, int period);

  void reject() override;  // Esc and the close button while editing are refused

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showClass(const QString& className);
  void openChooser();
  void commitChooser();
  void closeChooser();
  void onPrint();
  bool refuseWhileEditing();
  static int dayOfColumn(int column);

  core::AppState& state_;
  ui::Prompt& prompt_;
  std::optional<Timetable> table_;
  QComboBox* classBox_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* tutor_ = nullptr;
  QLabel* hint_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPointer<QComboBox> chooser_;
  int editDay_ = 0;
  int editPeriod_ = 0;
};

}  // namespace sa::students
