#pragma once
// The pupil lists of the main window: which table a view reads, the classes
// and graduation dates its choosers offer, and the rosters themselves, each
// loaded with one statement and ordered by the server.
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "app/db/connection.h"

namespace sa::students {

// The three views of pupils. Other windows test the view by its text.
enum class PupilView { InSchool, Graduates, Leavers };

QString viewText(PupilView view);    // "在校学生", "毕业学生", "离校学生"
QString pupilTable(PupilView view);  // 学籍表, 毕业表, 转退表

// A pupil picked in one of the lists. `id` is the row's ID in its table: codes
// of different grades can coincide (the first pupil of every grade gets 1), so
// statements that address one row use the ID next to the code.
struct SelectedPupil {
  PupilView view = PupilView::InSchool;
  QString id;
  QString code;
  QString name;
  QString className;
  QString leavingDate;
};

// Every boy is a row whose sex is "男"; everything else counts as a girl.
bool isBoy(const QString& sex);

// A list of pupils' names, as the name lists of the detail page and the entry
// window show them, with the boys and girls counted.
struct NameEntry {
  QString id;
  QString code;
  QString name;
  QString sex;
};
struct NameList {
  bool ok = false;  // false when the statement failed
  QVector<NameEntry> pupils;
  int boys = 0;
  int girls = 0;
};
// Runs a statement returning name and sex (and ID, PersonalCode where it
// selects them; missing columns read as "").
NameList readNameList(db::Connection& db, const QString& sql);

// ---- Choosers -------------------------------------------------------------

struct ClassEntry {
  QString name;
  QString tutor;
};
struct ClassList {
  bool ok = false;
  QVector<ClassEntry> classes;
  QStringList names() const;
  QString tutorOf(const QString& className) const;
};
// All classes in class order (numeric grade, then class).
ClassList readClasses(db::Connection& db);

struct DateList {
  bool ok = false;
  QStringList dates;
};
// Every row of 毕业时间表, the most recently added first. Two graduations on
// one day give the date twice.
DateList readGraduationDates(db::Connection& db);

// The year part of a graduation date, "2011年" of "2011年7月1日": the text up
// to and including "年".
QString graduationYear(const QString& dateText);

// ---- Rosters --------------------------------------------------------------

// One column of a roster table: its heading and the column of the result it
// shows. An empty source numbers the rows.
struct RosterColumn {
  QString heading;
  QString source;
};
const QVector<RosterColumn>& inSchoolRosterColumns();
const QVector<RosterColumn>& leaverRosterColumns();

struct RosterRow {
  QString id;
  QString code;
  QString name;
  QString sex;
  QString className;
  QString leavingDate;
  QStringList cells;  // one text per roster column
};

struct RosterData {
  bool ok = false;
  std::vector<RosterRow> rows;
  int boys = 0;
  int girls = 0;
  int count() const { return int(rows.size()); }
};

// The select list of the in-school roster and searches, and of the graduates
// and leavers roster (ID, class and the shown columns).
const QString& inSchoolRosterSelect();
const QString& leaverRosterSelect();

// Statements of the rosters.
QString classRosterSql(db::Connection& db, const QString& className);
QString wholeSchoolRosterSql();
QString graduatesRosterSql(db::Connection& db, const QString& date);
QString leaversRosterSql();

// Runs a roster statement and reads the rows for `columns`, counting boys and
// girls. ok is false when the statement failed.
RosterData loadRoster(db::Connection& db, const QString& sql, const QVector<RosterColumn>& columns);

// Titles and footers.
QString classRosterTitle(const QString& school, const QString& className);
QString classRosterFooter(const QString& tutor, const RosterData& data);
QString wholeSchoolRosterTitle(const QString& school);
QString wholeSchoolRosterFooter(const RosterData& data);
QString graduatesRosterTitle(const QString& school, const QString& date);
QString graduatesRosterFooter(const RosterData& data);
QString leaversRosterTitle(const QString& school);
QString leaversRosterFooter(const RosterData& data);

// Texts of the pages in the main window's status bar.
QString inSchoolRosterStatus();    // "    当前状态：在校学生列表"
QString inSchoolRosterHint();
QString graduatesRosterStatus();   // "    当前状态：毕业学生列表"
QString leaversRosterStatus();     // "    当前状态：转退学生列表"

}  // namespace sa::students
