#pragma once
// The entry window of one pupil, in add mode ("添加学生资料") or modify mode
// ("修改学生资料"). Controls carry their designed names as objectName.
#include <QDate>
#include <QDialog>
#include <optional>

#include "app/core/app_state.h"
#include "app/students/student_entry_service.h"
#include "app/ui/prompt.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace sa::students {

class StudentEntryWindow : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Add, Modify };

  StudentEntryWindow(core::AppState& state, ui::Prompt& prompt, Mode mode, QWidget* parent = nullptr);

  // Fills the class chooser and loads the starting class (and, in modify mode,
  // the pupil). False after "目前没有班级数据！请先进行校务设置！" when there
  // is no class: the window is not to be shown.
  bool prepare(const QString& startClass = {}, const QString& startCode = {});

  Mode mode() const { return mode_; }
  QString currentClass() const;
  // Something was saved while the window was open: the main window reloads
  // its list of that class when the window closes.
  bool savedAnything() const { return saved_; }
  QStringList savedClasses() const { return savedClasses_; }

  // Takes a picture file as the pending photo, as the file dialog and drag and
  // drop do. False (after a message) when the file is no readable picture.
  bool takePhotoFile(const QString& path);
  bool hasPendingPhoto() const { return pending_.pending; }

  // Buttons, for the keyboard and for tests.
  void save();
  void choosePhoto();
  void deletePhoto();
  void clearComment();
  void showTermComment(bool term);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void build();
  void buildFocusOrder();
  void classChosen();
  void loadClass(const QString& className);
  void pupilChosen();
  void loadPupil(QListWidgetItem* item);
  void clearForm();
  void fillForm(const PupilRecord& record);
  PupilRecord formRecord() const;
  void showPhoto();
  void setTitleLine(const QString& text);
  void updateCountLine();
  void registryEdited(const QString& text);
  void termCommentChanged();
  void addSavedPupil(const SaveOutcome& outcome, const PupilRecord& record);
  void updateSavedPupil(const PupilRecord& record);
  QString dateOf(QDateEdit* edit, const std::optional<QString>& keep) const;
  void setDate(QDateEdit* edit, const QString& text, std::optional<QString>* keep);

  core::AppState& state_;
  ui::Prompt& prompt_;
  Mode mode_;

  QLabel* titleLine_ = nullptr;
  QLabel* countLine_ = nullptr;
  QLabel* stateLine_ = nullptr;
  QLabel* hintLine_ = nullptr;
  QComboBox* classes_ = nullptr;
  QLineEdit* classShown_ = nullptr;
  QListWidget* pupils_ = nullptr;
  QLineEdit* studentNumber_ = nullptr;
  QLineEdit* sn_ = nullptr;
  QLineEdit* idCard_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* sex_ = nullptr;
  QComboBox* nationality_ = nullptr;
  QDateEdit* birthday_ = nullptr;
  QDateEdit* entrance_ = nullptr;
  QComboBox* position_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* telephone_ = nullptr;
  QLineEdit* residence_ = nullptr;
  QLineEdit* nativePlace_ = nullptr;
  QComboBox* parentA_ = nullptr;
  QLineEdit* nameA_ = nullptr;
  QLineEdit* workA_ = nullptr;
  QLineEdit* phoneA_ = nullptr;
  QComboBox* parentB_ = nullptr;
  QLineEdit* nameB_ = nullptr;
  QLineEdit* workB_ = nullptr;
  QLineEdit* phoneB_ = nullptr;
  QStackedWidget* commentPanes_ = nullptr;
  QPlainTextEdit* termComment_ = nullptr;
  QPlainTextEdit* generalComment_ = nullptr;
  QLabel* commentHeading_ = nullptr;
  QLabel* commentNote_ = nullptr;
  QPushButton* termButton_ = nullptr;
  QPushButton* generalButton_ = nullptr;
  QLabel* photo_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QList<QWidget*> focusOrder_;

  int boys_ = 0;
  int girls_ = 0;
  QString loadedId_;
  QString loadedSex_;
  QByteArray storedPhoto_;
  PendingPhoto pending_;
  // Dates whose stored text is no date keep that text unless the picker is
  // changed, so a save never replaces them with today's date.
  std::optional<QString> keepBirthday_;
  std::optional<QString> keepEntrance_;
  QDate shownBirthday_;
  QDate shownEntrance_;
  // In add mode the identity box follows the registry number until the user
  // types an identity number of its own.
  bool idFollowsRegistry_ = false;
  bool filling_ = false;
  bool saved_ = false;
  QStringList savedClasses_;
};

}  // namespace sa::students
