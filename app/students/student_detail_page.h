#pragma once
// The pupil-detail page of the main window: a name list of one class, one
// graduation date or the early leavers, and the whole record of the pupil
// chosen in it. Read-only.
#include <QWidget>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/roster_service.h"
#include "app/students/student_detail_page_data.h"
#include "app/ui/prompt.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QTableWidget;

namespace sa::students {

class StudentDetailPage : public QWidget {
  Q_OBJECT
 public:
  StudentDetailPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent = nullptr);

  // Fills the chooser for the view and shows `key` (a class or a date; the
  // first entry when empty or unknown) and the pupil with the table ID `id`
  // (else the first). False when the chooser has nothing to offer, after
  // telling so.
  bool open(PupilView view, const QString& key = {}, const QString& id = {});
  // Reads the chosen entry's names again, keeping the chosen pupil if it is
  // still there.
  void reload();

  PupilView view() const { return view_; }
  QString currentKey() const;
  std::optional<SelectedPupil> selectedPupil() const;
  // Takes the pupil out of the list; the first remaining pupil is shown.
  void removePupil(const QString& id);
  // Shows a pupil of the list by table ID.
  bool selectPupil(const QString& id);
  // The photo of the pupil shown, as stored.
  QByteArray photo() const { return photoBytes_; }
  QString shownName() const { return shownName_; }

  // Double-click on a copyable field: copies it and confirms.
  void copyField(CopyField field);
  // Click on the leaving notice.
  void showLeavingReason();

 signals:
  void headingChanged(const QString& text);
  void statusChanged(int part, const QString& text);
  void nameMenuRequested(const QPoint& globalPos);
  void photoMenuRequested(const QPoint& globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  QLabel* addField(QGridLayout* grid, int row, int column, const QString& caption, const QString& name, int span = 1);
  void keyChosen();
  void loadNames(const QString& keepId);
  void pupilChosen();
  void showPupil(const NameEntry& entry);
  void clearDetail();
  void fillScores(const PupilDetail& detail);
  void showEnlargedPhoto();

  core::AppState& state_;
  ui::Prompt& prompt_;
  PupilView view_ = PupilView::InSchool;
  bool filling_ = false;
  ClassList classes_;

  QComboBox* chooser_ = nullptr;
  QListWidget* names_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* countLine_ = nullptr;
  QLabel* tutorLine_ = nullptr;
  QLabel* leftNotice_ = nullptr;
  QLabel* photo_ = nullptr;
  QTableWidget* scores_ = nullptr;
  QPlainTextEdit* comments_ = nullptr;
  QHash<QString, QLabel*> values_;  // objectName -> value label
  QLabel* leavingDateCaption_ = nullptr;
  QLabel* leavingCauseCaption_ = nullptr;

  QVector<NameEntry> entries_;
  QByteArray photoBytes_;
  QString shownName_;
  QString shownLeavingDate_;
  QString shownLeavingCause_;
};

}  // namespace sa::students
