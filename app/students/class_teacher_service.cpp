#include "app/students/class_teacher_service.h"

#include "app/students/class_naming.h"

namespace sa::students {
namespace {

const QString kErrorTitle = QStringLiteral("错◆误");

QString columnList(QString (*column)(int)) {
  QStringList cols;
  for (int k = 1; k <= kSubjectSlots; ++k) cols << column(k);
  return cols.join(QLatin1Char(','));
}

std::optional<int> countPupils(db::Connection& db, const QString& cls, const QString& sex) {
  db::Result r = db.query(QStringLiteral("select count(id) as aa from 学籍表  where class='%1' and sex='%2';")
                              .arg(db.esc(cls), db.esc(sex)));
  if (!r) return std::nullopt;
  return r.value(QStringLiteral("aa")).toInt();
}

}  // namespace

QStringList TeacherTable::headings() const {
  QStringList h = {QStringLiteral("班级名称"), QStringLiteral("班主任"), QStringLiteral("总人数"), QStringLiteral("男生"),
                   QStringLiteral("女生")};
  for (const QString& s : subjects) h << s + QStringLiteral("教师");
  return h;
}

std::optional<QStringList> readTeacherPageClasses(db::Connection& db) {
  db::Result r = db.query(QStringLiteral("select Class from 班级表 ") + classOrderText() + QLatin1Char(';'));
  if (!r) return std::nullopt;
  QStringList names;
  while (r.next()) names << r.value(QStringLiteral("Class"));
  return names;
}

std::optional<TeacherTable> readTeacherTable(db::Connection& db, ui::Prompt& prompt, const QString& headerClass,
                                             bool allClasses) {
  TeacherTable table;
  table.headerClass = headerClass;
  const QString condition = QStringLiteral("where Class='%1'").arg(db.esc(headerClass));

  db::Result s = db.query(QStringLiteral("select ") + columnList(subjectColumn) + QStringLiteral(" from 班级表 ") +
                          condition);
  if (!s) {
    prompt.message(QStringLiteral("读取班级表功课名称失败！"), kErrorTitle, ui::Icon::Error);
    return std::nullopt;
  }
  if (s.rowCount() == 0) {
    prompt.message(QStringLiteral("没有发现你找的班级数据！"));
    return std::nullopt;
  }
  QList<int> headerSlots;
  for (int k = 1; k <= kSubjectSlots; ++k) {
    const QString subject = s.value(subjectColumn(k));
    if (subject.trimmed().isEmpty()) continue;
    table.subjects << subject;
    headerSlots << k;
  }

  // The rows also read their own subjects, to put each teacher under the
  // right heading when every class is shown.
  db::Result r = db.query(QStringLiteral("select Class,ClassTutor,") + columnList(subjectTeacherColumn) +
                          QStringLiteral(",ClassID,GradeID,") + columnList(subjectColumn) +
                          QStringLiteral(" from 班级表  ") + (allClasses ? QString() : condition) +
                          QStringLiteral(" order by  GradeID asc,ClassID asc;"));
  if (!r) {
    prompt.message(QStringLiteral("读取班级表任课老师失败！"), kErrorTitle);
    return std::nullopt;
  }
  if (r.rowCount() == 0) {
    prompt.message(QStringLiteral("  找不到任何班级数据。"));
    return std::nullopt;
  }
  while (r.next()) {
    TeacherTableRow row;
    row.className = r.value(QStringLiteral("Class"));
    row.tutor = r.value(QStringLiteral("ClassTutor"));
    row.classId = r.value(QStringLiteral("ClassID"));
    row.gradeId = r.value(QStringLiteral("GradeID"));
    for (int i = 0; i < table.subjects.size(); ++i) {
      int slot = headerSlots[i];
      if (r.value(subjectColumn(slot)) != table.subjects[i]) {
        slot = 0;
        for (int k = 1; k <= kSubjectSlots && slot == 0; ++k)
          if (r.value(subjectColumn(k)) == table.subjects[i]) slot = k;
      }
      row.teachers << (slot ? r.value(subjectTeacherColumn(slot)) : QString());
    }
    table.rows.push_back(row);
  }
  for (TeacherTableRow& row : table.rows) {
    const auto boys = countPupils(db, row.className, QStringLiteral("男"));
    const auto girls = countPupils(db, row.className, QStringLiteral("女"));
    if (!boys || !girls) {
      prompt.message(QStringLiteral("读取学籍表失败！"));
      return std::nullopt;
    }
    row.boys = *boys;
    row.girls = *girls;
  }
  return table;
}

QString teacherTableTitle(const QString& className, bool allClasses, bool empty) {
  if (empty) return QStringLiteral("目前本校没有这个数据");
  if (allClasses) return QStringLiteral("全校班级任课表");
  return shortClassLabel(className) + QStringLiteral("班级任课表");
}

QString teacherTableStatus() { return QStringLiteral("    当前状态：班级任课表"); }

QString teacherTableHint(const QString& className, bool allClasses) {
  const QString rest = QStringLiteral("任课表！左键单击查看班级学生表，双击修改任课表，单击表头查看教师资料");
  if (allClasses) return QStringLiteral("    提示：查看全校班级") + rest;
  return QStringLiteral("    提示：查看") + shortClassLabel(className) + rest;
}

QString subjectOfHeading(const QString& heading) {
  const QString suffix = QStringLiteral("教师");
  if (!heading.endsWith(suffix) || heading.size() == suffix.size()) return {};
  return heading.left(heading.size() - suffix.size());
}

std::optional<QStringList> readSubjectTeachers(db::Connection& db, const QString& className) {
  db::Result r = db.query(QStringLiteral("select ") + columnList(subjectTeacherColumn) +
                          QStringLiteral(" from 班级表 where Class='%1';").arg(db.esc(className)));
  if (!r || r.rowCount() == 0) return std::nullopt;
  QStringList teachers;
  for (int k = 1; k <= kSubjectSlots; ++k) teachers << r.value(subjectTeacherColumn(k));
  return teachers;
}

TeacherSave saveSubjectTeacher(db::Connection& db, ui::Prompt& prompt, const QString& className, int slot,
                               const QString& teacher) {
  if (slot < 1 || slot > kSubjectSlots) {
    prompt.message(QStringLiteral(" 没有科目！"), QStringLiteral("提示"), ui::Icon::Error);
    return TeacherSave::Failed;
  }
  if (teacher.trimmed().isEmpty()) {
    prompt.message(QStringLiteral("请填写老师姓名！"), QStringLiteral("提示"));
    return TeacherSave::Failed;
  }
  const QString sql = QStringLiteral("update 班级表 set ") + subjectTeacherColumn(slot) +
                      QStringLiteral("='%1' where Class='%2';").arg(db.esc(teacher.trimmed()), db.esc(className));
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("  修改失败！"), QStringLiteral("错误"));
    return TeacherSave::Failed;
  }
  return prompt.askYesNo(QStringLiteral("修改成功,继续修改%1课任老师吗？").arg(className), QStringLiteral("询问"),
                         ui::Icon::Question)
             ? TeacherSave::Continue
             : TeacherSave::Done;
}

}  // namespace sa::students
