#include "app/students/student_delete_service.h"

namespace sa::students {

QString deleteQuestion(DeleteSource source, const QString& name) {
  static const QString warning =
      QStringLiteral("  删除资料后其学号也将会作废且不能再次利用！建议如非必要请使用修改资料方法。\r\n\r\n");
  switch (source) {
    case DeleteSource::InSchoolList: return QStringLiteral("  您确认要删除当前学生%1的资料吗？  ").arg(name);
    case DeleteSource::LeaversContext: return warning + QStringLiteral("  现在您还确认要删除当前学生的资料吗？  ");
    case DeleteSource::DetailPage:
    case DeleteSource::LeaversList: break;
  }
  return warning + QStringLiteral("  现在您还确认要删除当前学生%1的资料吗？  ").arg(name);
}

QString noPupilSelectedText() { return QStringLiteral("  请选择要删除资料的学生姓名！  "); }

QString deleteSql(db::Connection& db, const SelectedPupil& pupil) {
  QString sql = QStringLiteral("delete from ") + pupilTable(pupil.view) + QStringLiteral(" where PersonalCode='") +
                db.esc(pupil.code) + QLatin1Char('\'');
  if (!pupil.id.isEmpty()) sql += QStringLiteral(" and ID='") + db.esc(pupil.id) + QLatin1Char('\'');
  return sql + QLatin1Char(';');
}

DeleteResult deletePupil(db::Connection& db, ui::Prompt& prompt, const SelectedPupil& pupil, DeleteSource source) {
  if (!prompt.askOkCancel(deleteQuestion(source, pupil.name), QStringLiteral("询问"), ui::Icon::Exclamation))
    return DeleteResult::Cancelled;
  if (!db.execute(deleteSql(db, pupil)) || db.affectedRows() == 0) {
    prompt.message(QStringLiteral("删除") + pupil.name + QStringLiteral("的资料失败！"), QStringLiteral("错误"),
                   ui::Icon::Error);
    return DeleteResult::Failed;
  }
  return DeleteResult::Deleted;
}

}  // namespace sa::students
