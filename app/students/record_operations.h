#pragma once
// Plugs the pupil records into the main window: the entry window ("添加学生资料",
// "修改学生资料"), deleting ("删除学生资料" and the pop-up "删除学生"), the batch
// codes ("设置个人识别码"), and the three pupil pages: the detail page (page 1),
// the graduates-and-leavers roster (page 2) and the in-school roster (page 3).
//
// Other windows reach the pages through StudentPages::of(window): the view
// and the selected pupil of the page being shown, and the calls that open or
// refresh a page after they changed rows.
#include <QObject>
#include <QPointer>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/roster_service.h"
#include "app/students/setup_operations.h"  // kPupilDetailPage
#include "app/ui/prompt.h"

class QMenu;

namespace sa::core {
class MainWindow;
}

namespace sa::students {

class InSchoolRosterPage;
class LeaversRosterPage;
class PersonalCodeWindow;
class StudentDetailPage;
class StudentEntryWindow;

// Page 1, the detail page, is kPupilDetailPage.
inline constexpr int kLeaversRosterPage = 2;
inline constexpr int kInSchoolRosterPage = 3;

class StudentPages : public QObject {
  Q_OBJECT
 public:
  StudentPages(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt);

  // The pages of a main window on which registerRecordOperations ran.
  static StudentPages* of(core::MainWindow& window);

  // --- What is shown ---------------------------------------------------------
  // The view of the pupils shown: "在校学生", "毕业学生" or "离校学生" (the last
  // one shown while another page is up).
  PupilView currentView() const { return view_; }
  QString currentViewText() const { return viewText(view_); }
  // Whether the page shown is one of the three pupil pages.
  bool showingPupilPage() const;
  // The pupil selected on the page being shown; none on other pages.
  std::optional<SelectedPupil> selectedPupil() const;

  // --- Opening (each returns false when there was nothing to show) -----------
  bool showDetail(PupilView view, const QString& key = {}, const QString& id = {});
  bool showClassRoster(const QString& className = {}, bool scoreSheetOption = false);
  bool showGraduatesRoster(const QString& date = {});
  bool showLeaversRoster();

  // --- After other windows changed rows --------------------------------------
  // Takes the pupil out of the list shown; the first pupil is then selected.
  void removePupil(const QString& id);
  void reloadCurrentPage();
  // Reloads the page shown when it lists this class (or the whole school).
  void reloadIfShowingClass(const QString& className);

  StudentDetailPage* detailPage() const { return detail_; }
  InSchoolRosterPage* rosterPage() const { return roster_; }
  LeaversRosterPage* leaversPage() const { return leavers_; }
  // The entry window open in modify mode, if any.
  StudentEntryWindow* modifyWindow() const;

  // --- The commands (run by the main window's dispatcher after its level test)
  void addPupil();
  void modifyPupil();
  void deleteSelected();         // "删除学生资料"
  void deleteFromLeaversMenu();  // "删除学生"
  void openCodeWindow();         // "设置个人识别码"
  void savePhoto();              // "保存图片"
  // The class and code precondition of the pupil views; false after its message.
  bool requireClasses();
  bool requireCodes();

 signals:
  // The batch code window opened (by its command or by the precondition).
  void codeWindowOpened(sa::students::PersonalCodeWindow* window);
  // An entry window opened.
  void entryWindowOpened(sa::students::StudentEntryWindow* window);

 private:
  void wirePage(QObject* page, int index);
  void showNameMenu(const QPoint& at);
  void showRosterMenu(const QPoint& at);
  void watchCodeWindow(PersonalCodeWindow* window);
  QMenu* inSchoolMenu();

  core::MainWindow& window_;
  core::AppState& state_;
  ui::Prompt& prompt_;
  StudentDetailPage* detail_ = nullptr;
  InSchoolRosterPage* roster_ = nullptr;
  LeaversRosterPage* leavers_ = nullptr;
  PupilView view_ = PupilView::InSchool;
  int opening_ = -1;
  QMenu* inSchoolMenu_ = nullptr;
  QPointer<QObject> modifyWindow_;  // a StudentEntryWindow
};

void registerRecordOperations(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt);

}  // namespace sa::students
