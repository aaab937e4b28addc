#include "app/students/personal_code_service.h"

#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "app/students/class_naming.h"

namespace sa::students {

namespace {

const QString kTitle = QStringLiteral("提示");

// The numeric maximum of a "max(PersonalCode+0)" column: the server answers
// with a floating-point text, NULL when no row matched.
long long readNumber(const db::Result& r) {
  if (!r.atRow() || r.isNull(0)) return 0;
  bool ok = false;
  const double v = r.value(0).toDouble(&ok);
  return ok && std::isfinite(v) ? static_cast<long long>(std::llround(v)) : 0;
}

}  // namespace

CodeCheck checkAllPupilsHaveCodes(db::Connection& db, ui::Prompt& prompt) {
  db::Result r = db.query(QStringLiteral("select PersonalCode from 学籍表 where PersonalCode='0';"));
  if (!r) {
    prompt.message(QStringLiteral("读取学籍表失败！"), kTitle);
    return CodeCheck::ReadFailed;
  }
  if (r.rowCount() > 0) {
    prompt.message(QStringLiteral("有部分学生没有设置个人识别码！"), kTitle);
    return CodeCheck::Missing;
  }
  return CodeCheck::AllSet;
}

HighestCode highestCodeOfGrade(db::Connection& db, const QString& gradeId) {
  // As numbers: compared as text, "9" would stand above "10".
  db::Result r = db.query(QStringLiteral("select max(PersonalCode+0) as aa from 学籍表 where GradeID='") +
                          db.esc(gradeId) + QStringLiteral("';"));
  if (!r) return {};
  return {true, readNumber(r)};
}

QString nextCodeText(long long highest) { return QString::number(std::max(highest, 0LL) + 1); }

GradeList readCodeGrades(db::Connection& db) {
  GradeList out;
  db::Result r = db.query(QStringLiteral("select distinct GradeID from 班级表 order by GradeID;"));
  if (!r) return out;
  out.ok = true;
  while (r.next()) out.grades << r.value(0);
  return out;
}

UncodedPupils readUncodedPupils(db::Connection& db, const QString& gradeId) {
  UncodedPupils out;
  db::Result r = db.query(QStringLiteral("select ID from 学籍表 where GradeID='") + db.esc(gradeId) +
                          QStringLiteral("' and (PersonalCode='0');"));
  if (!r) return out;
  out.ok = true;
  while (r.next()) out.ids << r.value(0);
  return out;
}

QString batchGroupCaption(const QString& gradeId, int uncoded) {
  const QString grade = gradeWords(gradeId);
  if (uncoded > 0) return QStringLiteral("批量设置%1无识别码(%2人)").arg(grade).arg(uncoded);
  return QStringLiteral("批量设置个人识别码--%1不需设置").arg(grade);
}

QStringList referencePrefixes(db::Connection& db, const QString& gradeId) {
  QStringList out;
  db::Result r = db.query(QStringLiteral("select PersonalCode from 学籍表 where GradeID='") + db.esc(gradeId) +
                          QStringLiteral("' and PersonalCode<>'0';"));
  if (!r) return out;
  QSet<QString> seen;
  while (r.next()) {
    const QString head = r.value(0).left(4);
    if (head.isEmpty() || seen.contains(head)) continue;
    seen.insert(head);
    out << head;
  }
  return out;
}

QString prefixRefusal(const QString& prefix, bool gradeChosen) {
  if (prefix.isEmpty()) return QStringLiteral("请输入个人识别码开头数字。");
  // Read as a whole number, spaces around it aside; anything else counts as
  // no number at all.
  static const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]+$"));
  const QString bare = prefix.trimmed();
  const bool number = wholeNumber.match(bare).hasMatch();
  const bool zero = number && bare.count(QRegularExpression(QStringLiteral("[1-9]"))) == 0;
  if (!number || zero) return QStringLiteral("个人识别码开头数字不能都是0。");
  if (!gradeChosen) return QStringLiteral("请选择年级。");
  if (bare != prefix) return QStringLiteral("个人识别码开头数字不能留空。");
  if (prefix.startsWith(QLatin1Char('-'))) return QStringLiteral("个人识别码开头数字不能是负数。");
  if (prefix.size() > 6) return QStringLiteral("个人识别码开头字符不能大于6个数字。");
  return {};
}

QString batchCode(const QString& prefix, long long highestOfPrefix, int i) {
  if (highestOfPrefix > 0) return QString::number(highestOfPrefix + i);
  return prefix + QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
}

BatchResult assignBatchCodes(db::Connection& db, ui::Prompt& prompt, const QString& prefix, const QString& gradeId,
                             const QStringList& ids, const std::function<void(int, int)>& progress) {
  BatchResult out;
  const QString refusal = prefixRefusal(prefix, !gradeId.isEmpty());
  if (!refusal.isEmpty()) {
    prompt.message(refusal, kTitle, ui::Icon::Information);
    return out;
  }
  db::Result r = db.query(QStringLiteral("select max(PersonalCode+0) as aa from 学籍表 where PersonalCode like '") +
                          db.esc(prefix) + QStringLiteral("%' and  GradeID='") + db.esc(gradeId) +
                          QStringLiteral("';"));
  if (!r) {
    prompt.message(QStringLiteral("读取学籍表错误！"), QStringLiteral("错误"), ui::Icon::Error);
    return out;
  }
  const long long highest = readNumber(r);
  out.ran = true;
  for (int i = 1; i <= ids.size(); ++i) {
    const QString& id = ids[i - 1];
    const QString code = batchCode(prefix, highest, i);
    if (db.execute(QStringLiteral("update 学籍表 set PersonalCode='") + db.esc(code) + QStringLiteral("' where ID='") +
                   db.esc(id) + QStringLiteral("';")))
      out.codes << code;
    else
      out.failedIds << id;
    if (progress) progress(i, int(ids.size()));
  }
  if (out.failedIds.isEmpty())
    prompt.message(QStringLiteral("批量编号全部成功！"));
  else
    prompt.message(out.failedIds.join(QLatin1Char(' ')) + QStringLiteral(" 等编号的学生执行失败"));
  return out;
}

}  // namespace sa::students
