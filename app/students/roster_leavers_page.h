#pragma once
// The graduates-and-leavers page of the main window: the graduates of one
// graduation date, or every pupil who left early, as a table, with searches.
// The pupils are shown read-only.
#include <QWidget>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/roster_model.h"
#include "app/students/student_search.h"
#include "app/ui/prompt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace sa::students {

class LeaversRosterPage : public QWidget {
  Q_OBJECT
 public:
  LeaversRosterPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // "毕业学生列表": the dates newest first and the pupils of the first (or
  // `date`). False, after "目前没有毕业生数据！", when there is none.
  bool openGraduates(const QString& date = {});
  // "转退学生列表". False, after its message, when nobody left early.
  bool openLeavers();
  void showDate(const QString& date);
  void search(SearchScope scope);  // "本届搜索"/"开始搜索", "历届搜索"
  void reload();

  PupilView view() const { return view_; }
  QString chosenDate() const;
  std::optional<SelectedPupil> selectedPupil() const;
  bool selectPupil(const QString& id);
  void removePupil(const QString& id);
  RosterModel* model() const { return model_; }
  QTableView* table() const { return table_; }

 signals:
  void headingChanged(const QString& text);
  void statusChanged(int part, const QString& text);
  void pupilActivated(const sa::students::SelectedPupil& pupil);
  void menuRequested(const QPoint& globalPos);

 private:
  void build();
  void present(RosterData roster, const QString& title, const QString& status);
  void updateFooter();

  core::AppState& state_;
  ui::Prompt& prompt_;
  PupilView view_ = PupilView::Graduates;
  bool filling_ = false;
  bool searchShown_ = false;

  QLabel* dateCaption_ = nullptr;
  QComboBox* dates_ = nullptr;
  QLineEdit* searchText_ = nullptr;
  QComboBox* searchField_ = nullptr;
  QPushButton* search_ = nullptr;
  QPushButton* allYears_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* footer_ = nullptr;
  RosterModel* model_ = nullptr;
};

}  // namespace sa::students
