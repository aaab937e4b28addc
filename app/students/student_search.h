#pragma once
// The contains-searches of the pupil rosters: the field chooser, the
// statements and the result reports.
#include <QString>
#include <QVector>

#include "app/db/connection.h"
#include "app/students/roster_service.h"
#include "app/ui/prompt.h"

namespace sa::students {

enum class SearchScope {
  WholeSchool,        // "全校搜索"
  InClass,            // "班内搜索"
  ThisYearGraduates,  // "本届搜索": graduates of one date
  AllGraduates,       // "历届搜索"
  Leavers,            // "开始搜索" on the early leavers
};

struct SearchField {
  QString caption;
  QString column;
};
// The field chooser of the in-school roster (with 所在班级) and of the
// graduates and leavers roster (without).
const QVector<SearchField>& inSchoolSearchFields();
const QVector<SearchField>& leaverSearchFields();
// The column searched for a caption of either chooser; "" when unknown.
QString searchColumnOf(const QString& caption);

// The inside of the quotes of "like '%<text>%'": quotes and backslashes are
// quoted so they match themselves, while "%" and "_" stay the wildcards of the
// like-match.
QString likeText(db::Connection& db, const QString& text);

struct SearchRequest {
  SearchScope scope = SearchScope::WholeSchool;
  QString column;     // from searchColumnOf()
  QString text;       // as typed; trimmed by the search
  QString className;  // InClass
  QString date;       // ThisYearGraduates
};

QString searchSql(db::Connection& db, const SearchRequest& request);
// The columns the result of a scope fills.
const QVector<RosterColumn>& searchColumns(SearchScope scope);

// The announcement of a search that found something.
QString searchReport(const SearchRequest& request, const RosterData& found);
QString searchTitle(const SearchRequest& request, const QString& school);
QString searchStatus();  // "    当前状态：搜索学生资料"

struct SearchOutcome {
  enum class Status { EmptyText, Failed, NoMatch, Found } status = Status::EmptyText;
  RosterData found;
};

// Trims the text, refuses an empty one ("请输入搜索条件！"), runs the search and
// announces the result ("未找到符合条件的资料！" or the report).
SearchOutcome searchPupils(db::Connection& db, ui::Prompt& prompt, SearchRequest request);

}  // namespace sa::students
