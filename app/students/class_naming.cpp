#include "app/students/class_naming.h"

#include "common/chinese_numerals.h"
#include "common/digit_runs.h"

namespace sa::students {

const QString& standardClassCategory() {
  static const QString s = QStringLiteral("通用");
  return s;
}
const QString& customClassCategory() {
  static const QString s = QStringLiteral("自设");
  return s;
}
const QString& noCategory() {
  static const QString s = QStringLiteral("无分类");
  return s;
}
const QString& noCategoryChoice() {
  static const QString s = QStringLiteral("如果无分类选择此项");
  return s;
}
const QString& customClassNumber() {
  static const QString s = QStringLiteral("0");
  return s;
}

const QStringList& standardGradeNames() {
  static const QStringList names = [] {
    QStringList out;
    for (int g = 1; g <= 6; ++g) out << QString::number(g) + QStringLiteral("年级");
    for (int g = 1; g <= 3; ++g) out << QStringLiteral("初中%1年级").arg(g);
    for (int g = 1; g <= 3; ++g) out << QStringLiteral("高中%1年级").arg(g);
    return out;
  }();
  return names;
}

const QStringList& standardClassNames() {
  static const QStringList names = [] {
    QStringList out;
    for (int c = 1; c <= 15; ++c) out << QString::number(c) + QStringLiteral("班");
    return out;
  }();
  return names;
}

QString gradeIdOf(const QString& gradeName) { return joinedDigitRuns(gradeName, TrailingRun::Drop); }

QString classIdOf(const QString& className) { return joinedDigitRuns(className, TrailingRun::Drop); }

QString shortClassLabel(const QString& fullClassName) {
  const QStringList runs = digitRuns(fullClassName, TrailingRun::Drop);
  // A typed name with fewer than two numbers has nothing to abbreviate.
  if (runs.size() < 2) return fullClassName;
  const QString tail = QStringLiteral("（") + runs[1] + QStringLiteral("）班");
  if (fullClassName.startsWith(QStringLiteral("高中"))) return QStringLiteral("高") + chineseNumeral(runs[0]) + tail;
  if (fullClassName.startsWith(QStringLiteral("初中"))) {
    // Junior middle grades are counted on from primary school: 初中1 is year seven.
    if (runs[0] == QLatin1String("1")) return QStringLiteral("七") + tail;
    if (runs[0] == QLatin1String("2")) return QStringLiteral("八") + tail;
    if (runs[0] == QLatin1String("3")) return QStringLiteral("九") + tail;
    return fullClassName;
  }
  const QChar first = fullClassName.at(0);
  if (first >= QLatin1Char('1') && first <= QLatin1Char('9')) return chineseNumeral(runs[0]) + tail;
  return fullClassName;
}

QString gradeWords(const QString& gradeId) { return chineseNumeral(gradeId) + QStringLiteral("年级"); }

const QStringList& graduatingPrefixes() {
  static const QStringList p = {QStringLiteral("6年级"), QStringLiteral("初中3年级"), QStringLiteral("高中3年级"),
                                QStringLiteral("幼儿园大班")};
  return p;
}

bool isGraduatingClass(const QString& fullClassName) {
  for (const QString& prefix : graduatingPrefixes())
    if (fullClassName.startsWith(prefix)) return true;
  return false;
}

const QStringList& kindergartenPrefixes() {
  static const QStringList p = {QStringLiteral("幼儿园小"), QStringLiteral("幼儿园中"), QStringLiteral("幼儿园大")};
  return p;
}

bool isKindergartenClass(const QString& fullClassName) {
  for (const QString& prefix : kindergartenPrefixes())
    if (fullClassName.startsWith(prefix)) return true;
  return false;
}

namespace {
// The digit at `pos` raised by one, when it is a single-digit grade 1..limit
// (a longer number such as 初中12 is not a grade this rule knows).
QString raisedAt(const QString& name, qsizetype pos, char limit) {
  if (name.size() <= pos + 1) return {};
  const QChar d = name.at(pos);
  if (d < QLatin1Char('1') || d > QLatin1Char(limit)) return {};
  if (name.at(pos + 1).isDigit()) return {};
  QString out = name;
  out[pos] = QChar(d.unicode() + 1);
  return out;
}
}  // namespace

QString promotionName(const QString& fullClassName) {
  if (fullClassName.isEmpty() || isGraduatingClass(fullClassName)) return {};
  if (fullClassName.startsWith(QStringLiteral("初中")) || fullClassName.startsWith(QStringLiteral("高中")))
    return raisedAt(fullClassName, 2, '2');
  if (fullClassName.startsWith(QStringLiteral("幼儿园小"))) {
    QString out = fullClassName;
    out[3] = QChar(u'中');
    return out;
  }
  if (fullClassName.startsWith(QStringLiteral("幼儿园中"))) {
    QString out = fullClassName;
    out[3] = QChar(u'大');
    return out;
  }
  if (fullClassName.mid(1).startsWith(QStringLiteral("年级"))) return raisedAt(fullClassName, 0, '5');
  return {};
}

QString subjectColumn(int slot) { return QStringLiteral("Subject") + QString::number(slot); }

QString subjectTeacherColumn(int slot) { return QStringLiteral("Subject%1T").arg(slot); }

QString timetableColumn(int day, int period) { return QStringLiteral("Week%1%2").arg(day).arg(period); }

const QString& classOrderNumeric() {
  static const QString s = QStringLiteral("order by GradeID+0 asc,ClassID+0 asc");
  return s;
}
const QString& classOrderText() {
  static const QString s = QStringLiteral("order by GradeID asc,ClassID asc");
  return s;
}
const QString& pupilNameKey() {
  static const QString s = QStringLiteral("convert (Name  USING gbk)  COLLATE  gbk_chinese_ci");
  return s;
}
const QString& pupilNameOrder() {
  static const QString s = QStringLiteral("order by ") + pupilNameKey();
  return s;
}
const QString& wholeSchoolListing() {
  static const QString s = QStringLiteral("select * from 学籍表 where class<>'' order by GradeID asc,ClassID asc,") +
                           pupilNameKey() + QStringLiteral(" asc;");
  return s;
}
const QString& leaverOrder() {
  static const QString s = QStringLiteral("order by name");
  return s;
}

}  // namespace sa::students
