#include "app/students/roster_service.h"

#include "app/students/class_naming.h"

namespace sa::students {

QString viewText(PupilView view) {
  switch (view) {
    case PupilView::InSchool: return QStringLiteral("在校学生");
    case PupilView::Graduates: return QStringLiteral("毕业学生");
    case PupilView::Leavers: return QStringLiteral("离校学生");
  }
  return {};
}

QString pupilTable(PupilView view) {
  switch (view) {
    case PupilView::InSchool: return QStringLiteral("学籍表");
    case PupilView::Graduates: return QStringLiteral("毕业表");
    case PupilView::Leavers: return QStringLiteral("转退表");
  }
  return {};
}

bool isBoy(const QString& sex) { return sex == QStringLiteral("男"); }

NameList readNameList(db::Connection& db, const QString& sql) {
  NameList out;
  db::Result r = db.query(sql);
  if (!r) return out;
  out.ok = true;
  out.pupils.reserve(r.rowCount());
  const int id = r.columnIndex(QStringLiteral("ID"));
  const int code = r.columnIndex(QStringLiteral("PersonalCode"));
  const int name = r.columnIndex(QStringLiteral("name"));
  const int sex = r.columnIndex(QStringLiteral("sex"));
  while (r.next()) {
    NameEntry e{r.value(id), r.value(code), r.value(name), r.value(sex)};
    (isBoy(e.sex) ? out.boys : out.girls) += 1;
    out.pupils.push_back(std::move(e));
  }
  return out;
}

QStringList ClassList::names() const {
  QStringList out;
  out.reserve(classes.size());
  for (const ClassEntry& c : classes) out << c.name;
  return out;
}

QString ClassList::tutorOf(const QString& className) const {
  for (const ClassEntry& c : classes)
    if (c.name == className) return c.tutor;
  return {};
}

ClassList readClasses(db::Connection& db) {
  ClassList out;
  db::Result r = db.query(QStringLiteral("select Class,ClassTutor from 班级表 ") + classOrderNumeric() +
                          QLatin1Char(';'));
  if (!r) return out;
  out.ok = true;
  out.classes.reserve(r.rowCount());
  const int cls = r.columnIndex(QStringLiteral("Class"));
  const int tutor = r.columnIndex(QStringLiteral("ClassTutor"));
  while (r.next()) out.classes.push_back({r.value(cls), r.value(tutor)});
  return out;
}

DateList readGraduationDates(db::Connection& db) {
  DateList out;
  // The table's hidden id keeps the order in which graduations were run.
  db::Result r = db.query(QStringLiteral("select * from 毕业时间表 order by id desc;"));
  if (!r) return out;
  out.ok = true;
  const int col = r.columnIndex(QStringLiteral("GraduationTime"));
  while (r.next()) out.dates << r.value(col);
  return out;
}

QString graduationYear(const QString& dateText) {
  // Stored texts were cut at six GBK bytes: four digits and the two bytes of 年.
  const int at = dateText.indexOf(QStringLiteral("年"));
  return at >= 0 ? dateText.left(at + 1) : dateText.left(6);
}

const QVector<RosterColumn>& inSchoolRosterColumns() {
  static const QVector<RosterColumn> columns = {
      {QStringLiteral("序号"), QStringLiteral("PersonalCode")},
      {QStringLiteral("学号"), QStringLiteral("StudentNumber")},
      {QStringLiteral("姓名"), QStringLiteral("name")},
      {QStringLiteral("性别"), QStringLiteral("sex")},
      {QStringLiteral("民族"), QStringLiteral("nationality")},
      {QStringLiteral("家庭住址"), QStringLiteral("HomeAddress")},
      {QStringLiteral("班内职务"), QStringLiteral("Positon")},
      {QStringLiteral("出生日期"), QStringLiteral("birthday")},
      {QStringLiteral("入学日期"), QStringLiteral("EntranceDate")},
      {QStringLiteral("联系电话"), QStringLiteral("Telephone")},
  };
  return columns;
}

const QVector<RosterColumn>& leaverRosterColumns() {
  static const QVector<RosterColumn> columns = {
      {QString(), QString()},
      {QStringLiteral("学号"), QStringLiteral("StudentNumber")},
      {QStringLiteral("姓名"), QStringLiteral("name")},
      {QStringLiteral("性别"), QStringLiteral("sex")},
      {QStringLiteral("民族"), QStringLiteral("nationality")},
      {QStringLiteral("所在班级"), QStringLiteral("class")},
      {QStringLiteral("班内职务"), QStringLiteral("Positon")},
      {QStringLiteral("出生日期"), QStringLiteral("birthday")},
      {QStringLiteral("离校时间"), QStringLiteral("LeavingDate")},
      {QStringLiteral("联系电话"), QStringLiteral("Telephone")},
  };
  return columns;
}

// The roster shows ten columns; reading only those (not the photos and the
// sixty score columns) keeps a whole school on screen at once.
const QString& inSchoolRosterSelect() {
  static const QString s = QStringLiteral(
      "select ID,class,PersonalCode,StudentNumber,name,sex,nationality,birthday,EntranceDate,HomeAddress,Positon,"
      "Telephone from 学籍表 ");
  return s;
}

const QString& leaverRosterSelect() {
  static const QString s = QStringLiteral(
      "select ID,PersonalCode,StudentNumber,name,sex,nationality,birthday,LeavingDate,class,Positon,Telephone from ");
  return s;
}

QString classRosterSql(db::Connection& db, const QString& className) {
  return inSchoolRosterSelect() + QStringLiteral("where class='") + db.esc(className) + QStringLiteral("' ") +
         pupilNameOrder() + QLatin1Char(';');
}

QString wholeSchoolRosterSql() {
  return inSchoolRosterSelect() + QStringLiteral("where class<>'' ") + classOrderText() + QLatin1Char(',') +
         pupilNameKey() + QStringLiteral(" asc;");
}

QString graduatesRosterSql(db::Connection& db, const QString& date) {
  return leaverRosterSelect() + QStringLiteral("毕业表 where LeavingDate='") + db.esc(date) + QStringLiteral("' ") +
         pupilNameOrder() + QLatin1Char(';');
}

QString leaversRosterSql() { return leaverRosterSelect() + QStringLiteral("转退表 ") + pupilNameOrder() + QLatin1Char(';'); }

RosterData loadRoster(db::Connection& db, const QString& sql, const QVector<RosterColumn>& columns) {
  RosterData out;
  db::Result r = db.query(sql);
  if (!r) return out;
  out.ok = true;
  QVector<int> sources;
  for (const RosterColumn& c : columns) sources << (c.source.isEmpty() ? -1 : r.columnIndex(c.source));
  const int id = r.columnIndex(QStringLiteral("ID"));
  const int code = r.columnIndex(QStringLiteral("PersonalCode"));
  const int name = r.columnIndex(QStringLiteral("name"));
  const int sex = r.columnIndex(QStringLiteral("sex"));
  const int cls = r.columnIndex(QStringLiteral("class"));
  const int leaving = r.columnIndex(QStringLiteral("LeavingDate"));
  out.rows.reserve(size_t(r.rowCount()));
  while (r.next()) {
    RosterRow row;
    row.cells.reserve(sources.size());
    for (int s : sources) row.cells << (s < 0 ? QString() : r.value(s));
    row.id = r.value(id);
    row.code = r.value(code);
    row.name = r.value(name);
    row.sex = r.value(sex);
    row.className = r.value(cls);
    row.leavingDate = r.value(leaving);
    (isBoy(row.sex) ? out.boys : out.girls) += 1;
    out.rows.push_back(std::move(row));
  }
  return out;
}

QString classRosterTitle(const QString& school, const QString& className) {
  return school + shortClassLabel(className) + QStringLiteral("学生花名册");
}

QString classRosterFooter(const QString& tutor, const RosterData& data) {
  return QStringLiteral("班主任：%1 共%2人(男%3人,女%4人)").arg(tutor).arg(data.count()).arg(data.boys).arg(data.girls);
}

QString wholeSchoolRosterTitle(const QString& school) { return school + QStringLiteral("全部学生学生花名册"); }

QString wholeSchoolRosterFooter(const RosterData& data) {
  return QStringLiteral("本校共有%1人 其中男生%2人 女生%3人").arg(data.count()).arg(data.boys).arg(data.girls);
}

QString graduatesRosterTitle(const QString& school, const QString& date) {
  return school + graduationYear(date) + QStringLiteral("毕业学生花名册");
}

QString graduatesRosterFooter(const RosterData& data) {
  return QStringLiteral("本年度毕业生%1人 其中男生%2人 女生%3人").arg(data.count()).arg(data.boys).arg(data.girls);
}

QString leaversRosterTitle(const QString& school) {
  return school + QStringLiteral("因转学、退学等原因离校的学生花名册");
}

QString leaversRosterFooter(const RosterData& data) {
  return QStringLiteral("本校因转学、退学等原因离校的共有%1人 其中男生%2人 女生%3人")
      .arg(data.count())
      .arg(data.boys)
      .arg(data.girls);
}

QString inSchoolRosterStatus() { return QStringLiteral("    当前状态：在校学生列表"); }

QString inSchoolRosterHint() {
  return QStringLiteral("  提示： 双击选择项可查看详细资料，右击选择项可弹出操作菜单,选中[登分表]打印班用登分表。");
}

QString graduatesRosterStatus() { return QStringLiteral("    当前状态：毕业学生列表"); }

QString leaversRosterStatus() { return QStringLiteral("    当前状态：转退学生列表"); }

}  // namespace sa::students
