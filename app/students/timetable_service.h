#pragma once
// The weekly timetable of a class: 班级表.Week<d><p>, weekday d 1..6 (Monday
// to Saturday), period p 1..8.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "app/core/app_state.h"
#include "app/db/connection.h"
#include "app/ui/prompt.h"

namespace sa::students {

struct Timetable {
  QString className;
  QString tutor;
  // cells[d-1][p-1] holds Week<d><p>.
  std::array<std::array<QString, 8>, 6> cells;
  const QString& at(int day, int period) const { return cells[size_t(day - 1)][size_t(period - 1)]; }
};

// Reads one class's timetable; "载入课程表数据失败！" when the read fails or the
// class is missing.
std::optional<Timetable> readTimetable(db::Connection& db, ui::Prompt& prompt, const QString& className);

// The subjects the cell chooser offers: the class's non-empty subjects;
// "载入课程科目数据失败！" when they cannot be read.
std::optional<QStringList> readTimetableSubjects(db::Connection& db, ui::Prompt& prompt, const QString& className);

// Writes one cell. True when stored; a failure is told through `prompt`.
bool writeTimetableCell(db::Connection& db, ui::Prompt& prompt, const QString& className, int day, int period,
                        const QString& subject);

// Only the teaching office's senior administrators change timetables.
bool mayEditTimetable(const core::LoggedInUser& user);

QString timetableTitle(const QString& schoolName, const QString& className);  // school + short label + "课程表"
QString noClassesForTimetable();    // "目前没有班级数据，请先进行校务设置！"
QString leaveEditingFirst();        // "请先退出编辑状态！"
QString weekdayHeading(int day);    // "星期一" .. "星期六"
QString periodHeading(int period);  // "第一节课" .. "第八节课"

}  // namespace sa::students
