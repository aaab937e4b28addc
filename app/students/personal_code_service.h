#pragma once
// Personal identification codes (学籍表.PersonalCode): the code of a pupil
// added by hand, the batch numbering of a grade's pupils who have none, and
// the check that every pupil has one, which guards the windows that find
// pupils by their code.
#include <QString>
#include <QStringList>
#include <functional>

#include "app/db/connection.h"
#include "app/ui/prompt.h"

namespace sa::students {

// ---- The precondition -----------------------------------------------------

enum class CodeCheck { AllSet, Missing, ReadFailed };
// "select PersonalCode from 学籍表 where PersonalCode='0';". Missing shows
// "有部分学生没有设置个人识别码！" and ReadFailed "读取学籍表失败！" (both titled
// "提示"); the caller then opens the batch window or stops.
CodeCheck checkAllPupilsHaveCodes(db::Connection& db, ui::Prompt& prompt);

// ---- One pupil ------------------------------------------------------------

// The highest code among the pupils of the grade, compared as numbers ("10"
// above "9"); 0 for a grade without codes. nullopt-like: ok false on failure.
struct HighestCode {
  bool ok = false;
  long long value = 0;
};
HighestCode highestCodeOfGrade(db::Connection& db, const QString& gradeId);
// One more than that, as text: "1" for a grade without pupils.
QString nextCodeText(long long highest);

// ---- The batch window ----------------------------------------------------

// The distinct GradeID values of 班级表, "order by GradeID". ok false on failure.
struct GradeList {
  bool ok = false;
  QStringList grades;
};
GradeList readCodeGrades(db::Connection& db);

// The IDs of the grade's pupils without a code, in result order.
struct UncodedPupils {
  bool ok = false;
  QStringList ids;
};
UncodedPupils readUncodedPupils(db::Connection& db, const QString& gradeId);

// The caption of the group: "批量设置三年级无识别码(12人)" or
// "批量设置个人识别码--三年级不需设置".
QString batchGroupCaption(const QString& gradeId, int uncoded);

// The distinct first four characters of the codes already set in the grade,
// in first-seen order.
QStringList referencePrefixes(db::Connection& db, const QString& gradeId);

// The checks of "开始设置", in order; the message of the first that fails, or
// "" when the prefix may be used.
QString prefixRefusal(const QString& prefix, bool gradeChosen);

// The code of the i-th pupil (i from 1): m + i after a positive highest code m
// of the prefix, else the prefix and i in four digits.
QString batchCode(const QString& prefix, long long highestOfPrefix, int i);

struct BatchResult {
  bool ran = false;        // false: refused or the highest code could not be read
  QStringList failedIds;
  QStringList codes;       // the codes given, in row order
};
// Runs "开始设置": checks the prefix (refusals titled "提示", information icon),
// reads the highest code of the prefix in the grade, numbers the rows and
// reports "批量编号全部成功！" or the failed IDs. `progress` is told after each
// row (done, total).
BatchResult assignBatchCodes(db::Connection& db, ui::Prompt& prompt, const QString& prefix, const QString& gradeId,
                             const QStringList& ids, const std::function<void(int, int)>& progress = {});

}  // namespace sa::students
