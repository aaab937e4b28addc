#pragma once
// How classes are named and listed. Every window that shows, sorts, promotes or
// graduates classes and pupils uses these, so that a class reads the same
// everywhere and the stored GradeID/ClassID always agree with the name.
//
// A standard class is a grade name followed by a class name without a
// separator ("初中2年级" + "3班"); its GradeID and ClassID are the digits of the
// two parts. A custom class has any name and the numbers "0".
#include <QString>
#include <QStringList>

namespace sa::students {

// ---- Stored words -------------------------------------------------------

// 班级表.ClassCategories of a class made from the grade and class choosers, and
// of a class with a free name.
const QString& standardClassCategory();  // "通用"
const QString& customClassCategory();    // "自设"
// 班级表.TypeOfClass when the class has no category.
const QString& noCategory();             // "无分类"
// The first entry of every category chooser; choosing it stores noCategory().
const QString& noCategoryChoice();       // "如果无分类选择此项"
// GradeID and ClassID of a custom class.
const QString& customClassNumber();      // "0"

// The grade and class names the choosers offer (the user may type others):
// "1年级".."6年级", "初中1年级".."初中3年级", "高中1年级".."高中3年级"; "1班".."15班".
const QStringList& standardGradeNames();
const QStringList& standardClassNames();

// ---- Numbers from names -------------------------------------------------

// The digits of a grade or class name: every run of ASCII digits followed by
// a non-digit, joined in order. "初中2年级" gives "2", "12班" gives "12";
// a name without digits (or whose only digits end it) gives "".
QString gradeIdOf(const QString& gradeName);
QString classIdOf(const QString& className);

// ---- Shown names --------------------------------------------------------

// The short label of a full class name, as titles, lists and printouts show
// it: 高中1年级5班 -> 高一（5）班, 初中2年级3班 -> 八（3）班, 3年级2班 -> 三（2）班.
// Custom and kindergarten names, junior-middle grades outside 1..3, and names
// with fewer than two digit runs closed by a non-digit come back unchanged.
QString shortClassLabel(const QString& fullClassName);

// A grade number in prompts: "3" -> "三年级". Text that is not a number is
// returned followed by "年级".
QString gradeWords(const QString& gradeId);

// ---- The yearly cycle ---------------------------------------------------

// Names that begin with these are in the last grade of their school level:
// "6年级", "初中3年级", "高中3年级", "幼儿园大班".
const QStringList& graduatingPrefixes();
bool isGraduatingClass(const QString& fullClassName);

// Kindergarten classes are known by these leading characters.
const QStringList& kindergartenPrefixes();  // "幼儿园小", "幼儿园中", "幼儿园大"
bool isKindergartenClass(const QString& fullClassName);

// The name a standard class takes when it moves up one grade:
// 3年级2班 -> 4年级2班, 初中1年级4班 -> 初中2年级4班, 高中2年级1班 -> 高中3年级1班,
// 幼儿园小班 -> 幼儿园中班. Empty for graduating classes and for names with no
// promotion rule (custom classes).
QString promotionName(const QString& fullClassName);

// ---- Columns of 班级表 ------------------------------------------------------

inline constexpr int kSubjectSlots = 20;   // Subject1 .. Subject20
inline constexpr int kTimetableDays = 6;   // Week1x .. Week6x (Monday .. Saturday)
inline constexpr int kTimetablePeriods = 8;

QString subjectColumn(int slot);            // "Subject<slot>", 1..20
QString subjectTeacherColumn(int slot);     // "Subject<slot>T"
QString timetableColumn(int day, int period);  // "Week<day><period>", day 1..6, period 1..8

// ---- Listing orders (SQL fragments, pasted as they are) ------------------

// Classes in numeric order of grade, then class (1年级10班 after 1年级9班):
// "order by GradeID+0 asc,ClassID+0 asc". Class pickers and setup lists.
const QString& classOrderNumeric();
// The text order some reports use: "order by GradeID asc,ClassID asc".
const QString& classOrderText();
// The sort key of pupils' names in GBK pinyin order, without direction:
// "convert (Name  USING gbk)  COLLATE  gbk_chinese_ci". Add " asc"/" desc".
const QString& pupilNameKey();
// "order by " + pupilNameKey(): pupils of one class and search results.
const QString& pupilNameOrder();
// The whole school for exports, a complete statement:
// "select * from 学籍表 where class<>'' order by GradeID asc,ClassID asc,convert (Name  USING gbk)  COLLATE  gbk_chinese_ci asc;"
const QString& wholeSchoolListing();
// Early leavers: "order by name".
const QString& leaverOrder();

}  // namespace sa::students
