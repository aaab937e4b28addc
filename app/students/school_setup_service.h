#pragma once
// The school setup: classes with their tutor and category in 班级表, and the
// workstation's list of class categories in config.ini.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/core/app_state.h"
#include "app/db/connection.h"
#include "app/ui/prompt.h"

namespace sa::students {

// One line of the setup window's class list.
struct ClassListRow {
  QString name;      // 班级表.Class
  QString tutor;     // ClassTutor
  QString category;  // TypeOfClass
};

// Every class name in the given listing order (classOrderNumeric() or
// classOrderText()); nullopt when the read failed.
std::optional<QStringList> readClassNames(db::Connection& db, const QString& order);

// The setup window's list, in numeric class order; nullopt when the read failed.
std::optional<std::vector<ClassListRow>> readClassList(db::Connection& db);

// ---- Class categories (config.ini, section 班级分类) ---------------------

inline constexpr int kCategorySlots = 8;

// The eight values 分类1..分类8 as stored; a missing key reads as its default
// ("理本", "理专", "文本", "文专", "艺术", "体育", "其他", "其他1").
QStringList readCategorySlots(const QString& configIniPath);
// Writes all eight values, empty ones included. False when the file could not
// be written; the caller reports it.
bool writeCategorySlots(const QString& configIniPath, const QStringList& values);
// What a category chooser offers: noCategoryChoice() followed by the
// non-empty values in slot order.
QStringList categoryChoices(const QString& configIniPath);
// The stored value of a chooser text: the sentinel becomes noCategory().
QString storedCategory(const QString& choice);

// The note the category window shows.
QString categoryNote();

// ---- Changes ----------------------------------------------------------------

struct NewClass {
  bool custom = false;   // the page "特殊班级名称"
  QString gradeName;     // standard: the grade chooser's text
  QString className;     // standard: the class chooser's text
  QString customName;    // custom: the free name
  QString tutor;
  QString categoryChoice;  // the category chooser's text
};

// Checks, refuses duplicates and inserts one class row. Every refusal and
// failure is told through `prompt`. The added row on success.
std::optional<ClassListRow> addClass(db::Connection& db, ui::Prompt& prompt, const NewClass& c);

// Sets the tutor of a class. Refuses an empty name. True when stored.
bool changeTutor(db::Connection& db, ui::Prompt& prompt, const QString& className, const QString& tutor);

// Sets the category of a class and of its pupils, both or neither. `choice`
// is a chooser text (the sentinel stores noCategory()); an empty choice is
// refused. The stored category on success.
std::optional<QString> changeCategory(db::Connection& db, ui::Prompt& prompt, const QString& className,
                                      const QString& choice);

// Asks, then deletes the class and its pupils together. True when both are
// gone; false when the user cancelled or nothing was changed.
bool deleteClass(db::Connection& db, ui::Prompt& prompt, const QString& className);

// Messages shared with the window.
QString noClassSelectedForTutor();
QString noClassSelectedForCategory();
QString noClassSelectedForDelete();
QString customClassWarning();       // shown when the second naming page is chosen
QString customClassWarningTitle();  // "特别提示"

}  // namespace sa::students
