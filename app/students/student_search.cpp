#include "app/students/student_search.h"

#include "app/students/class_naming.h"

namespace sa::students {

namespace {

bool isGraduateScope(SearchScope scope) {
  return scope == SearchScope::ThisYearGraduates || scope == SearchScope::AllGraduates;
}

bool isInSchoolScope(SearchScope scope) { return scope == SearchScope::WholeSchool || scope == SearchScope::InClass; }

QString likeCondition(db::Connection& db, const SearchRequest& r, const char* spacing) {
  return r.column + QString::fromLatin1(spacing) + QStringLiteral("'%") + likeText(db, r.text.trimmed()) +
         QStringLiteral("%'");
}

QString countTail(const RosterData& d) {
  return QStringLiteral("个符合条件的学生资料 其中男生%1人 女生%2人  ").arg(d.boys).arg(d.girls);
}

}  // namespace

const QVector<SearchField>& inSchoolSearchFields() {
  static const QVector<SearchField> fields = {
      {QStringLiteral("姓名"), QStringLiteral("name")},
      {QStringLiteral("学号"), QStringLiteral("StudentNumber")},
      {QStringLiteral("民族"), QStringLiteral("nationality")},
      {QStringLiteral("所在班级"), QStringLiteral("class")},
      {QStringLiteral("班内职务"), QStringLiteral("Positon")},
      {QStringLiteral("入学日期"), QStringLiteral("EntranceDate")},
      {QStringLiteral("出生日期"), QStringLiteral("birthday")},
  };
  return fields;
}

const QVector<SearchField>& leaverSearchFields() {
  static const QVector<SearchField> fields = [] {
    QVector<SearchField> out;
    for (const SearchField& f : inSchoolSearchFields())
      if (f.column != QStringLiteral("class")) out << f;
    return out;
  }();
  return fields;
}

QString searchColumnOf(const QString& caption) {
  for (const SearchField& f : inSchoolSearchFields())
    if (f.caption == caption) return f.column;
  return {};
}

QString likeText(db::Connection& db, const QString& text) {
  // In a like pattern the backslash escapes the next character; doubling it
  // first makes the stored text's own backslash match itself.
  QString t = text;
  t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  return db.esc(t);
}

QString searchSql(db::Connection& db, const SearchRequest& r) {
  switch (r.scope) {
    case SearchScope::WholeSchool:
      return inSchoolRosterSelect() + QStringLiteral("where ") + likeCondition(db, r, " like  ") + QLatin1Char(' ') +
             pupilNameOrder() + QLatin1Char(';');
    case SearchScope::InClass:
      return inSchoolRosterSelect() + QStringLiteral("where class='") + db.esc(r.className) +
             QStringLiteral("' and   ") + likeCondition(db, r, "  like  ") + QLatin1Char(' ') + pupilNameOrder() +
             QLatin1Char(';');
    case SearchScope::ThisYearGraduates:
      return leaverRosterSelect() + QStringLiteral("毕业表 where LeavingDate='") + db.esc(r.date) +
             QStringLiteral("' and ") + likeCondition(db, r, " like ") + QLatin1Char(' ') + pupilNameOrder() +
             QLatin1Char(';');
    case SearchScope::AllGraduates:
      return leaverRosterSelect() + QStringLiteral("毕业表 where ") + likeCondition(db, r, " like ") +
             QLatin1Char(' ') + pupilNameOrder() + QLatin1Char(';');
    case SearchScope::Leavers:
      return leaverRosterSelect() + QStringLiteral("转退表 where ") + likeCondition(db, r, " like ") +
             QLatin1Char(' ') + pupilNameOrder() + QLatin1Char(';');
  }
  return {};
}

const QVector<RosterColumn>& searchColumns(SearchScope scope) {
  return isInSchoolScope(scope) ? inSchoolRosterColumns() : leaverRosterColumns();
}

QString searchReport(const SearchRequest& r, const RosterData& d) {
  const QString n = QString::number(d.count());
  if (isInSchoolScope(r.scope)) {
    const bool school = r.scope == SearchScope::WholeSchool;
    const QString where = school ? QStringLiteral("全校") : shortClassLabel(r.className);
    // Within a class the one-sex reports end without the two spaces.
    const QString tail = school ? QStringLiteral("  ") : QString();
    const QString head = QStringLiteral("搜索结果：\r\n在") + where + QStringLiteral("搜索到") + n;
    if (d.girls == 0) return head + QStringLiteral("个符合条件的男生%1人").arg(d.boys) + tail;
    if (d.boys == 0) return head + QStringLiteral("个符合条件的女生%1人").arg(d.girls) + tail;
    return head + countTail(d);
  }
  switch (r.scope) {
    case SearchScope::ThisYearGraduates:
      return QStringLiteral("\r\n\r\n  搜索结果：在") + graduationYear(r.date) + QStringLiteral("毕业生中搜索到") + n +
             countTail(d);
    case SearchScope::AllGraduates:
      return QStringLiteral("\r\n\r\n  搜索结果：在历届毕业生中搜索到") + n + countTail(d);
    default:
      return QStringLiteral("\r\n\r\n  搜索结果：搜索到") + n + countTail(d);
  }
}

QString searchTitle(const SearchRequest& r, const QString& school) {
  switch (r.scope) {
    case SearchScope::WholeSchool: return school + QStringLiteral("部分学生花名册");
    case SearchScope::InClass: return school + shortClassLabel(r.className) + QStringLiteral("部分学生花名册");
    case SearchScope::ThisYearGraduates: return school + graduationYear(r.date) + QStringLiteral("毕业的部分学生花名册");
    case SearchScope::AllGraduates: return school + QStringLiteral("部分毕业生花名册");
    case SearchScope::Leavers: return school + QStringLiteral("部分转退学生花名册");
  }
  return {};
}

QString searchStatus() { return QStringLiteral("    当前状态：搜索学生资料"); }

SearchOutcome searchPupils(db::Connection& db, ui::Prompt& prompt, SearchRequest request) {
  SearchOutcome out;
  request.text = request.text.trimmed();
  if (request.text.isEmpty()) {
    prompt.message(QStringLiteral("请输入搜索条件！"));
    return out;
  }
  if (request.column.isEmpty()) request.column = QStringLiteral("name");
  out.found = loadRoster(db, searchSql(db, request), searchColumns(request.scope));
  if (!out.found.ok) {
    out.status = SearchOutcome::Status::Failed;
    prompt.message(isGraduateScope(request.scope) ? QStringLiteral("读取毕业表失败！")
                   : request.scope == SearchScope::Leavers ? QStringLiteral("读取转退表失败！")
                                                           : QStringLiteral("读取学籍表失败！"),
                   QStringLiteral("错误"), ui::Icon::Error);
    return out;
  }
  if (out.found.count() == 0) {
    out.status = SearchOutcome::Status::NoMatch;
    prompt.message(QStringLiteral("未找到符合条件的资料！"));
    return out;
  }
  out.status = SearchOutcome::Status::Found;
  prompt.message(searchReport(request, out.found));
  return out;
}

}  // namespace sa::students
