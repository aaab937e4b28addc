#include "app/students/timetable_service.h"

#include "app/core/levels.h"
#include "app/students/class_naming.h"
#include "app/students/course_subjects_service.h"
#include "common/chinese_numerals.h"

namespace sa::students {

std::optional<Timetable> readTimetable(db::Connection& db, ui::Prompt& prompt, const QString& className) {
  db::Result r = db.query(QStringLiteral("select * from 班级表 where class='%1';").arg(db.esc(className)));
  if (!r || r.rowCount() == 0) {
    prompt.message(QStringLiteral("载入课程表数据失败！"));
    return std::nullopt;
  }
  Timetable t;
  t.className = r.value(QStringLiteral("Class"));
  t.tutor = r.value(QStringLiteral("ClassTutor"));
  for (int d = 1; d <= kTimetableDays; ++d)
    for (int p = 1; p <= kTimetablePeriods; ++p) t.cells[size_t(d - 1)][size_t(p - 1)] = r.value(timetableColumn(d, p));
  return t;
}

std::optional<QStringList> readTimetableSubjects(db::Connection& db, ui::Prompt& prompt, const QString& className) {
  const auto subjectSlots = readSubjectSlots(db, className);
  if (!subjectSlots) {
    prompt.message(QStringLiteral("载入课程科目数据失败！"));
    return std::nullopt;
  }
  QStringList subjects;
  for (const SubjectSlot& s : *subjectSlots) subjects << s.subject;
  return subjects;
}

bool writeTimetableCell(db::Connection& db, ui::Prompt& prompt, const QString& className, int day, int period,
                        const QString& subject) {
  if (day < 1 || day > kTimetableDays || period < 1 || period > kTimetablePeriods) return false;
  const QString sql = QStringLiteral("update 班级表 set %1='%2' where class='%3';")
                          .arg(timetableColumn(day, period), db.esc(subject), db.esc(className));
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("保存课程表数据失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  return true;
}

bool mayEditTimetable(const core::LoggedInUser& user) {
  return core::levelAtLeast(user.levelText, 1110) &&
         (user.office == QStringLiteral("教务处") || user.office == QStringLiteral("教导处"));
}

QString timetableTitle(const QString& schoolName, const QString& className) {
  return schoolName + shortClassLabel(className) + QStringLiteral("课程表");
}

QString noClassesForTimetable() { return QStringLiteral("目前没有班级数据，请先进行校务设置！"); }
QString leaveEditingFirst() { return QStringLiteral("请先退出编辑状态！"); }
QString weekdayHeading(int day) { return QStringLiteral("星期") + chineseNumeral(day); }
QString periodHeading(int period) { return QStringLiteral("第") + chineseNumeral(period) + QStringLiteral("节课"); }

}  // namespace sa::students
