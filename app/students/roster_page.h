#pragma once
// The in-school roster page of the main window: one class or the whole school
// as a table, and the searches over pupils in school.
#include <QWidget>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/roster_model.h"
#include "app/students/student_search.h"
#include "app/ui/prompt.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace sa::students {

// Shared look of the roster tables: whole rows, fixed row heights (no
// per-row measuring, so thousands of rows cost nothing) and set widths.
void setUpRosterTable(QTableView* table, const QVector<int>& widths);

class InSchoolRosterPage : public QWidget {
  Q_OBJECT
 public:
  enum class Showing { Nothing, Class, WholeSchool, SearchResult };

  InSchoolRosterPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // Fills the class chooser and shows `className` (the first class when empty
  // or unknown). False, after telling so, when there is no class.
  bool open(const QString& className = {}, bool scoreSheetOption = false);
  void showClass(const QString& className);
  void showWholeSchool();     // "全部"
  void search(SearchScope scope);  // "全校搜索" / "班内搜索"
  // Loads what is shown again (a search result falls back to its class).
  void reload();

  Showing showing() const { return showing_; }
  QString chosenClass() const;
  bool scoreSheetOption() const;
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
  void present(RosterData roster, Showing showing, const QString& title);
  void updateFooter();
  void setLoading(bool loading);

  core::AppState& state_;
  ui::Prompt& prompt_;
  ClassList classes_;
  Showing showing_ = Showing::Nothing;
  bool filling_ = false;

  QComboBox* classChooser_ = nullptr;
  QPushButton* all_ = nullptr;
  QLineEdit* searchText_ = nullptr;
  QComboBox* searchField_ = nullptr;
  QPushButton* classSearch_ = nullptr;
  QPushButton* schoolSearch_ = nullptr;
  QCheckBox* scoreSheet_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* footer_ = nullptr;
  RosterModel* model_ = nullptr;
  QString shownClass_;
};

}  // namespace sa::students
