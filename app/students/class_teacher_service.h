#pragma once
// Subject teachers: the class-and-teaching table of the main window and the
// assignment of a teacher to a subject slot (班级表.Subject<k>T).
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/db/connection.h"
#include "app/ui/prompt.h"

namespace sa::students {

struct TeacherTableRow {
  QString className;
  QString tutor;
  int boys = 0;
  int girls = 0;
  int total() const { return boys + girls; }
  // One teacher per subject column of the table, in column order.
  QStringList teachers;
  QString classId;
  QString gradeId;
};

struct TeacherTable {
  // The class whose subjects give the columns: the chosen class, or the
  // first class when all are shown.
  QString headerClass;
  QStringList subjects;  // non-empty subjects of headerClass in slot order
  std::vector<TeacherTableRow> rows;

  // "班级名称", "班主任", "总人数", "男生", "女生", then "<subject>教师".
  QStringList headings() const;
};

// The class chooser of the page: classes in the text order of GradeID, then
// ClassID. nullopt when the read failed.
std::optional<QStringList> readTeacherPageClasses(db::Connection& db);

// Reads the table for one class, or for every class with `headerClass`
// giving the columns. Failures are told through `prompt` ("读取班级表功课名称失败！",
// "没有发现你找的班级数据！", "  找不到任何班级数据。", "读取班级表任课老师失败！").
//
// With every class shown, each row's teacher is the one its own class has
// for the column's subject, wherever that subject sits in its slots, so a
// class with another subject order never shows a teacher under the wrong
// subject.
std::optional<TeacherTable> readTeacherTable(db::Connection& db, ui::Prompt& prompt, const QString& headerClass,
                                             bool allClasses);

// Texts of the page.
QString teacherTableTitle(const QString& className, bool allClasses, bool empty);
QString teacherTableStatus();  // "    当前状态：班级任课表"
QString teacherTableHint(const QString& className, bool allClasses);
// "<subject>教师" less "教师"; "" for a heading that is not a subject column.
QString subjectOfHeading(const QString& heading);

// Subject1T .. Subject20T of a class; nullopt when the read failed or the
// class does not exist.
std::optional<QStringList> readSubjectTeachers(db::Connection& db, const QString& className);

// The edit window's OK: sets Subject<slot>T of the class. `slot` 0 means the
// class has no subjects (" 没有科目！"); an empty name is refused. On success asks whether to go on
// with the same class.
enum class TeacherSave { Failed, Continue, Done };
TeacherSave saveSubjectTeacher(db::Connection& db, ui::Prompt& prompt, const QString& className, int slot,
                               const QString& teacher);

}  // namespace sa::students
