#include "app/students/student_detail_page_data.h"

#include "app/students/class_naming.h"

namespace sa::students {

QString leaversChooserEntry() { return QStringLiteral("离校学生资料"); }

NameList readNameList(db::Connection& db, PupilView view, const QString& key) {
  QString sql;
  switch (view) {
    case PupilView::InSchool:
      sql = QStringLiteral("select ID,PersonalCode,name,sex from  学籍表 where class ='") + db.esc(key) +
            QStringLiteral("'  order by name;");
      break;
    case PupilView::Graduates:
      sql = QStringLiteral("select ID,PersonalCode,name,sex from  毕业表 where LeavingDate ='") + db.esc(key) +
            QStringLiteral("'  order by name;");
      break;
    case PupilView::Leavers: sql = QStringLiteral("select ID,PersonalCode,name,sex from 转退表 order by name;"); break;
  }
  return students::readNameList(db, sql);
}

QString nameListCountLine(PupilView view, const NameList& list) {
  const int n = list.boys + list.girls;
  switch (view) {
    case PupilView::InSchool: return QStringLiteral("本班共有%1人 其中男%2人 女%3人").arg(n).arg(list.boys).arg(list.girls);
    case PupilView::Graduates:
      return QStringLiteral("本届共有%1人毕业 其中男%2人 女%3人").arg(n).arg(list.boys).arg(list.girls);
    case PupilView::Leavers:
      return QStringLiteral("本校共有%1人离校 其中男%2人 女%3人").arg(n).arg(list.boys).arg(list.girls);
  }
  return {};
}

QString emptyNameListText(PupilView view, const QString& key) {
  if (view == PupilView::InSchool) return shortClassLabel(key) + QStringLiteral("没有学生，请添加");
  return key + QStringLiteral("没有学生");
}

QString detailStatus(PupilView view) {
  switch (view) {
    case PupilView::InSchool: return QStringLiteral("    当前状态：查看在校学生资料");
    case PupilView::Graduates: return QStringLiteral("    当前状态：查看毕业学生资料");
    case PupilView::Leavers: return QStringLiteral("    当前状态：查看离校学生资料");
  }
  return {};
}

QString detailHint(PupilView view) {
  if (view == PupilView::Graduates) return QStringLiteral("    提示： 双击照片查看可放大的照片。毕业学生的资料不能被修改。");
  return QStringLiteral("    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。");
}

PupilDetail readPupilDetail(db::Connection& db, PupilView view, const QString& code, const QString& id) {
  PupilDetail out;
  QString sql = QStringLiteral("select  * from  ") + pupilTable(view) + QStringLiteral(" where PersonalCode ='") +
                db.esc(code) + QLatin1Char('\'');
  // Codes of two grades may coincide; the ID keeps to the chosen row.
  if (!id.isEmpty()) sql += QStringLiteral(" and ID='") + db.esc(id) + QLatin1Char('\'');
  db::Result r = db.query(sql + QLatin1Char(';'));
  if (!r) return out;
  out.ok = true;
  if (r.rowCount() == 0) return out;
  out.found = true;
  const QStringList& columns = r.columns();
  for (int i = 0; i < columns.size(); ++i) {
    if (columns[i].compare(QStringLiteral("Photo"), Qt::CaseInsensitive) == 0)
      out.photo = r.bytes(i);
    else
      out.fields.insert(columns[i].toLower(), r.value(i));
  }
  return out;
}

SubjectLabels readSubjectLabels(db::Connection& db, const QString& className) {
  SubjectLabels out;
  QStringList columns;
  for (int slot = 1; slot <= kMaxShownSubjects; ++slot) columns << subjectColumn(slot);
  db::Result r = db.query(QStringLiteral("select ") + columns.join(QLatin1Char(',')) +
                          QStringLiteral(" from 班级表 where class='") + db.esc(className) + QLatin1Char('\''));
  if (!r) return out;
  out.ok = true;
  for (int slot = 0; slot < kMaxShownSubjects; ++slot) out.subjects << (r.rowCount() > 0 ? r.value(slot) : QString());
  return out;
}

QString detailHeading(PupilView view, const QString& school, const QString& className, const QString& name,
                      const QString& graduationDate) {
  switch (view) {
    case PupilView::InSchool: return school + shortClassLabel(className) + name + QStringLiteral("同学的资料");
    case PupilView::Graduates:
      return school + graduationYear(graduationDate) + QStringLiteral("毕业生") + name + QStringLiteral("同学的资料");
    case PupilView::Leavers: return school + className + name + QStringLiteral("同学的资料(已离校)");
  }
  return {};
}

QString missingPupilHeading(const QString& school, const QString& className) {
  return school + className + QStringLiteral("目前没有学生资料");
}

QString commentPaneText(const QString& term, const QString& overall) {
  return QStringLiteral("\r\n本学期评语：\r\n\r\n") + term + QStringLiteral("\r\n\r\n综合评价：\r\n\r\n") + overall;
}

QString leftSchoolNotice(const QString& name) { return name + QStringLiteral("同学已离开本校(点此查看具体原因)"); }

QString leftSchoolReason(const QString& name, const QString& date, const QString& reason) {
  return QStringLiteral("    %1同学已于%2离开本校\r\n\r\n    离开本校的原因是：%3").arg(name, date, reason);
}

QString copiedText(CopyField field) {
  switch (field) {
    case CopyField::StudentNumber: return QStringLiteral("学生学号已经复制");
    case CopyField::SecondaryNumber: return QStringLiteral("学籍副号已经复制");
    case CopyField::IdCard: return QStringLiteral("学生身份证号已经复制");
    case CopyField::HomeAddress: return QStringLiteral("学生家庭住址已经复制");
  }
  return {};
}

QString moralityWord(const QString& stored) {
  static const QStringList words = {QStringLiteral("优秀"), QStringLiteral("良好"), QStringLiteral("合格"),
                                    QStringLiteral("不合格")};
  const int n = stored.trimmed().toInt();
  return n >= 1 && n <= 4 ? words[n - 1] : stored;
}

}  // namespace sa::students
