#pragma once
// Deleting a pupil's record from the table of the pupils being shown.
#include <QString>

#include "app/db/connection.h"
#include "app/students/roster_service.h"
#include "app/ui/prompt.h"

namespace sa::students {

// Where the delete was asked for: the wording of the question differs.
enum class DeleteSource {
  DetailPage,      // pupil-detail page, main command
  InSchoolList,    // in-school roster, main command
  LeaversList,     // graduates-and-leavers roster, main command
  LeaversContext,  // graduates-and-leavers roster, its pop-up "删除学生"
};

QString deleteQuestion(DeleteSource source, const QString& name);
QString noPupilSelectedText();  // "  请选择要删除资料的学生姓名！  "

// "delete from <table> where PersonalCode='<code>'", narrowed to the pupil's
// row so that a code shared by two grades never takes a second pupil along.
QString deleteSql(db::Connection& db, const SelectedPupil& pupil);

enum class DeleteResult { Deleted, Cancelled, Failed };
// Asks the question (OK/Cancel, warning icon, "询问") and deletes on OK.
DeleteResult deletePupil(db::Connection& db, ui::Prompt& prompt, const SelectedPupil& pupil, DeleteSource source);

}  // namespace sa::students
