#include "app/students/course_subjects_service.h"

#include "app/students/class_naming.h"

namespace sa::students {

namespace {
QString subjectColumnList() {
  QStringList cols;
  for (int k = 1; k <= kSubjectSlots; ++k) cols << subjectColumn(k);
  return cols.join(QLatin1Char(','));
}
}  // namespace

std::optional<QStringList> readSubjects(db::Connection& db, const QString& className) {
  db::Result r = db.query(QStringLiteral("select %1 from 班级表 where Class='%2';")
                              .arg(subjectColumnList(), db.esc(className)));
  if (!r || r.rowCount() == 0) return std::nullopt;
  QStringList subjects;
  for (int k = 1; k <= kSubjectSlots; ++k) subjects << r.value(subjectColumn(k));
  return subjects;
}

std::optional<QList<SubjectSlot>> readSubjectSlots(db::Connection& db, const QString& className) {
  const auto subjects = readSubjects(db, className);
  if (!subjects) return std::nullopt;
  QList<SubjectSlot> values;
  for (int k = 1; k <= kSubjectSlots; ++k)
    if (!subjects->at(k - 1).trimmed().isEmpty()) values.push_back({k, subjects->at(k - 1)});
  return values;
}

SubjectOrder checkSubjectOrder(const QStringList& boxes) {
  auto filled = [&](int k) { return !boxes.value(k - 1).trimmed().isEmpty(); };
  if (!filled(1)) return SubjectOrder::FirstMissing;
  bool seenEmpty = false;
  for (int k = 2; k <= kSubjectSlots; ++k) {
    if (!filled(k))
      seenEmpty = true;
    else if (seenEmpty)
      return SubjectOrder::Gap;
  }
  return SubjectOrder::Ok;
}

bool saveSubjects(db::Connection& db, ui::Prompt& prompt, const QStringList& boxes, bool allClasses,
                  const QString& className) {
  switch (checkSubjectOrder(boxes)) {
    case SubjectOrder::FirstMissing:
      prompt.message(QStringLiteral("第一科必须填写！"), {}, ui::Icon::Error);
      return false;
    case SubjectOrder::Gap:
      prompt.message(QStringLiteral("必须按顺序填写，空的留后！"), {}, ui::Icon::Error);
      return false;
    case SubjectOrder::Ok:
      break;
  }
  QStringList sets;
  for (int k = 1; k <= kSubjectSlots; ++k)
    sets << subjectColumn(k) + QStringLiteral("='") + db.esc(boxes.value(k - 1).trimmed()) + QLatin1Char('\'');
  QString sql = QStringLiteral("update 班级表 set ") + sets.join(QLatin1Char(','));
  if (!allClasses) sql += QStringLiteral(" where Class='%1';").arg(db.esc(className));
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("设置修改科目失败！"), QStringLiteral("错误"));
    return false;
  }
  prompt.message(allClasses ? QStringLiteral("当前的课程科目已保存到本校所有班级中！")
                            : className + QStringLiteral("的课程科目数据已保存！"));
  return true;
}

QString subjectsTitleForClass(const QString& classText) {
  return QStringLiteral("设置修改") + classText + QStringLiteral("的课程科目");
}

QString subjectsTitleForAll() { return QStringLiteral("设置修改本校所有班级的课程科目"); }

}  // namespace sa::students
