#pragma once
// Entering and correcting one pupil in 学籍表: the value lists the entry window
// offers, reading a class's pupils and one pupil, and the insert and update
// with their warnings, which never block a save.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "app/core/app_state.h"
#include "app/db/connection.h"
#include "app/students/roster_service.h"
#include "app/ui/prompt.h"

namespace sa::students {

// ---- Value lists offered by the choosers (the columns take any text) --------

const QStringList& sexChoices();          // 男, 女
const QStringList& nationalityChoices();  // 56 entries, 汉族 first
const QStringList& positionChoices();     // 23 entries, 学生 first
const QStringList& guardianChoices();     // 14 entries, 父亲 and 母亲 first

// ---- The record -----------------------------------------------------------

// The columns the entry window writes, dates as stored date text.
struct PupilRecord {
  QString studentNumber;  // StudentNumber
  QString sn;             // SN
  QString idCardNo;       // IDcardNo
  QString name;
  QString sex;
  QString nationality;
  QString birthday;
  QString entranceDate;
  QString position;       // Positon
  QString homeAddress;
  QString telephone;
  QString residence;
  QString nativePlace;
  QString parentA, nameOfParentA, workPlaceOfParentA, telephoneOfParentA;
  QString parentB, nameOfParentB, workPlaceOfParentB, telephoneOfParentB;
  QString comment;         // CommentOfThisTerm
  QString generalComment;  // GeneralComment
};

// A photo chosen in the window but not yet written. Empty bytes with
// `pending` set clear the stored photo.
struct PendingPhoto {
  bool pending = false;
  QByteArray bytes;
  void drop() {
    pending = false;
    bytes.clear();
  }
};

// ---- Reading ----------------------------------------------------------------

// "select name,sex,PersonalCode  from 学籍表 where class='<class>' order by name;"
NameList readClassPupils(db::Connection& db, const QString& className);
// "目前<class>共有<n>名学生  其中男生<b>人  女生<g>人"
QString classCountLine(const QString& className, int boys, int girls);

struct LoadedPupil {
  bool ok = false;
  QString id;  // the row's ID, so the update reaches this row only
  PupilRecord record;
  QByteArray photo;
};
// The pupil of the class with this name and code.
LoadedPupil readPupil(db::Connection& db, const QString& className, const QString& name, const QString& code);

// ---- Checks while typing ----------------------------------------------------

// "学号的第一位数字不能为 0 ！  " for a registry number of more than one
// character that starts with 0, else "".
QString registryNumberWarning(const QString& text);

inline constexpr int kCommentLines = 14;
// The term comment cut to at most 14 lines by taking characters off its end;
// `cut` tells whether anything was removed.
QString limitCommentLines(const QString& text, bool* cut = nullptr);
QString commentLimitMessage();  // "本学期评价最多输入14行内容！"

// ---- Saving -----------------------------------------------------------------

struct SaveOutcome {
  enum class Status { Saved, NameMissing, NoClass, Failed } status = Status::Failed;
  QString code;      // the pupil's code (the new one after an add)
  QString id;        // the row's ID
  QString warnings;  // the texts appended to the success message
};

// Add mode ("保存数据"): reads the class's numbers, checks the name, collects
// the warnings, gives the new code, inserts the row, then calls
// `afterInsert` (the window updates its list) before the pending photo is
// written and "保存学生信息成功！\r\n\r\n" + warnings is shown. The photo is
// dropped once written.
SaveOutcome addPupil(db::Connection& db, ui::Prompt& prompt, const QString& className, const PupilRecord& record,
                     PendingPhoto& photo, const std::function<void(const SaveOutcome&)>& afterInsert = {});

// Modify mode ("保存修改"): the pupil with `code` whose row is `id`.
SaveOutcome updatePupil(db::Connection& db, ui::Prompt& prompt, const QString& className, const QString& code,
                        const QString& id, const PupilRecord& record, PendingPhoto& photo,
                        const std::function<void(const SaveOutcome&)>& afterUpdate = {});

// "目前<class>没有学生资料！请选择其他班级修改资料！"
QString noPupilsToModifyText(const QString& className);

}  // namespace sa::students
