#pragma once
// The subject lists of classes: 班级表.Subject1 .. Subject20. Slot n is the
// score column n of every score table, so subjects fill slots 1..n without
// gaps, and changing a list never moves existing scores.
#include <QString>
#include <QStringList>
#include <optional>

#include "app/db/connection.h"
#include "app/ui/prompt.h"

namespace sa::students {

// The twenty subjects of a class, empty slots as ""; nullopt when the read
// failed or the class does not exist.
std::optional<QStringList> readSubjects(db::Connection& db, const QString& className);

// The non-empty subjects of a class with their slot numbers (1..20), in slot
// order; nullopt when the read failed or the class does not exist.
struct SubjectSlot {
  int slot = 0;
  QString subject;
};
std::optional<QList<SubjectSlot>> readSubjectSlots(db::Connection& db, const QString& className);

enum class SubjectOrder { Ok, FirstMissing, Gap };
// Box 1 must be filled, and no box may be filled after an empty one.
SubjectOrder checkSubjectOrder(const QStringList& boxes);

// Saves the twenty boxes (trimmed; missing ones as "") to one class, or to
// every class when `allClasses` is set, in one statement. Tells the outcome
// through `prompt`; true when saved.
bool saveSubjects(db::Connection& db, ui::Prompt& prompt, const QStringList& boxes, bool allClasses,
                  const QString& className);

// The title line of the course window.
QString subjectsTitleForClass(const QString& classText);  // "设置修改<class>的课程科目"
QString subjectsTitleForAll();                            // "设置修改本校所有班级的课程科目"

}  // namespace sa::students
