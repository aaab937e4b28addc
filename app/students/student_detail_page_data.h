#pragma once
// What the pupil-detail page reads and the texts it shows: the name list of
// a class, a graduation date or the early leavers, one pupil's whole row, and
// the subject labels of the score slots.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include "app/db/connection.h"
#include "app/students/roster_service.h"

namespace sa::students {


// The chooser entry of the leavers view.
QString leaversChooserEntry();  // "离校学生资料"

// The names of a class (in school), of a graduation date, or of all leavers
// (the key is then ignored).
NameList readNameList(db::Connection& db, PupilView view, const QString& key);
// "本班共有<n>人 其中男<b>人 女<g>人" and the graduates' and leavers' wordings.
QString nameListCountLine(PupilView view, const NameList& list);
// An empty list: "<short class label>没有学生，请添加" in school, else
// "<chooser text>没有学生".
QString emptyNameListText(PupilView view, const QString& key);

QString detailStatus(PupilView view);  // "    当前状态：查看在校学生资料" ...
QString detailHint(PupilView view);

// One pupil's row, every column by name.
struct PupilDetail {
  bool ok = false;     // the statement ran
  bool found = false;  // and gave the row
  QHash<QString, QString> fields;  // column name in lower case -> text
  QByteArray photo;
  QString field(const QString& column) const { return fields.value(column.toLower()); }
};
PupilDetail readPupilDetail(db::Connection& db, PupilView view, const QString& code, const QString& id);

// Subject1 .. Subject13 of a class; ok false when the read failed.
struct SubjectLabels {
  bool ok = false;
  QStringList subjects;
};
SubjectLabels readSubjectLabels(db::Connection& db, const QString& className);
inline constexpr int kMaxShownSubjects = 13;

// The heading of the page for a pupil.
QString detailHeading(PupilView view, const QString& school, const QString& className, const QString& name,
                      const QString& graduationDate);
QString missingPupilHeading(const QString& school, const QString& className);
// The comment pane: "\r\n本学期评语：\r\n\r\n" + term + "\r\n\r\n综合评价：\r\n\r\n" + overall.
QString commentPaneText(const QString& term, const QString& overall);
// "<name>同学已离开本校(点此查看具体原因)" and what clicking it tells.
QString leftSchoolNotice(const QString& name);
QString leftSchoolReason(const QString& name, const QString& date, const QString& reason);

// The fields a double-click copies, and the confirmation of each.
enum class CopyField { StudentNumber, SecondaryNumber, IdCard, HomeAddress };
QString copiedText(CopyField field);

// The moral-conduct grade as a word: 1 优秀, 2 良好, 3 合格, 4 不合格.
QString moralityWord(const QString& stored);

}  // namespace sa::students
