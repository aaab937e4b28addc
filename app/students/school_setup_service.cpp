#include "app/students/school_setup_service.h"

#include "app/students/class_naming.h"
#include "common/ini_file.h"
#include "common/spaces.h"

namespace sa::students {
namespace {

const QString kCategorySection = QStringLiteral("班级分类");
const QString kInfoTitle = QStringLiteral("提示信息");
const QString kHintTitle = QStringLiteral("提示");

bool blank(const QString& text) { return removeSpaces(text).isEmpty(); }

const QStringList& defaultCategories() {
  static const QStringList d = {QStringLiteral("理本"), QStringLiteral("理专"), QStringLiteral("文本"),
                                QStringLiteral("文专"), QStringLiteral("艺术"), QStringLiteral("体育"),
                                QStringLiteral("其他"), QStringLiteral("其他1")};
  return d;
}

QString categoryKey(int slot) { return QStringLiteral("分类%1").arg(slot); }

}  // namespace

std::optional<QStringList> readClassNames(db::Connection& db, const QString& order) {
  db::Result r = db.query(QStringLiteral("select Class from 班级表 ") + order + QLatin1Char(';'));
  if (!r) return std::nullopt;
  QStringList names;
  while (r.next()) names << r.value(QStringLiteral("Class"));
  return names;
}

std::optional<std::vector<ClassListRow>> readClassList(db::Connection& db) {
  db::Result r = db.query(QStringLiteral("select Class,ClassTutor,TypeOfClass from 班级表 ") + classOrderNumeric() +
                          QLatin1Char(';'));
  if (!r) return std::nullopt;
  std::vector<ClassListRow> rows;
  while (r.next())
    rows.push_back({r.value(QStringLiteral("Class")), r.value(QStringLiteral("ClassTutor")),
                    r.value(QStringLiteral("TypeOfClass"))});
  return rows;
}

QStringList readCategorySlots(const QString& configIniPath) {
  const IniFile ini(configIniPath);
  QStringList values;
  for (int i = 1; i <= kCategorySlots; ++i)
    values << ini.read(kCategorySection, categoryKey(i), defaultCategories().at(i - 1));
  return values;
}

bool writeCategorySlots(const QString& configIniPath, const QStringList& values) {
  IniFile ini(configIniPath);
  bool ok = true;
  for (int i = 1; i <= kCategorySlots; ++i) ok = ini.write(kCategorySection, categoryKey(i), values.value(i - 1)) && ok;
  return ok;
}

QStringList categoryChoices(const QString& configIniPath) {
  QStringList choices{noCategoryChoice()};
  for (const QString& slot : readCategorySlots(configIniPath))
    if (!slot.trimmed().isEmpty()) choices << slot.trimmed();
  return choices;
}

QString storedCategory(const QString& choice) { return choice == noCategoryChoice() ? noCategory() : choice; }

QString categoryNote() {
  return QStringLiteral(
      "分类设置只保存在配置文件中，若删除配置文件，重新启动本软件后配置文件将恢复默认值，为保证软件正常运行，请不要手动修改配置文件。");
}

std::optional<ClassListRow> addClass(db::Connection& db, ui::Prompt& prompt, const NewClass& c) {
  if (!c.custom && blank(c.className)) {
    prompt.message(QStringLiteral("请选择或输入通用班级名称！"), kHintTitle);
    return std::nullopt;
  }
  if (c.custom && blank(c.customName)) {
    prompt.message(QStringLiteral("请输入自设的班级名称！"), kHintTitle);
    return std::nullopt;
  }
  if (blank(c.tutor)) {
    prompt.message(QStringLiteral("请输入班主任的姓名"));
    return std::nullopt;
  }

  ClassListRow row;
  QString gradeId, classId, kind;
  if (c.custom) {
    row.name = c.customName.trimmed();
    gradeId = classId = customClassNumber();
    kind = customClassCategory();
  } else {
    row.name = c.gradeName.trimmed() + c.className.trimmed();
    gradeId = gradeIdOf(c.gradeName.trimmed());
    classId = classIdOf(c.className.trimmed());
    kind = standardClassCategory();
  }
  row.tutor = c.tutor.trimmed();
  row.category = storedCategory(c.categoryChoice.trimmed().isEmpty() ? noCategoryChoice() : c.categoryChoice.trimmed());

  db::Result dup =
      db.query(QStringLiteral("select count(*) as repetition from 班级表 where Class='%1'").arg(db.esc(row.name)));
  if (!dup) {
    prompt.message(QStringLiteral("添加班级数据失败！"), kInfoTitle, ui::Icon::Error);
    return std::nullopt;
  }
  if (dup.value(QStringLiteral("repetition")).toLongLong() > 0) {
    prompt.message(row.name + QStringLiteral("已经存在！"));
    return std::nullopt;
  }

  // The numbers are quoted like every other value: a typed grade name without
  // digits gives an empty number, which unquoted would break the statement.
  const QString sql =
      QStringLiteral(
          "INSERT INTO `班级表` (class,ClassTutor,ClassCategories,TypeOfClass,ClassID,GradeID)VALUES ('%1', '%2', "
          "'%3', '%4','%5','%6');")
          .arg(db.esc(row.name), db.esc(row.tutor), db.esc(kind), db.esc(row.category), db.esc(classId),
               db.esc(gradeId));
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("添加班级数据失败！"), kInfoTitle, ui::Icon::Error);
    return std::nullopt;
  }
  return row;
}

bool changeTutor(db::Connection& db, ui::Prompt& prompt, const QString& className, const QString& tutor) {
  if (blank(tutor)) {
    prompt.message(QStringLiteral("请输入班主任的姓名"));
    return false;
  }
  const QString sql = QStringLiteral("update 班级表 set ClassTutor = '%1' where Class='%2';")
                          .arg(db.esc(tutor.trimmed()), db.esc(className));
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("修改记录失败！"), kInfoTitle, ui::Icon::Error);
    return false;
  }
  return true;
}

std::optional<QString> changeCategory(db::Connection& db, ui::Prompt& prompt, const QString& className,
                                      const QString& choice) {
  if (choice.trimmed().isEmpty()) {
    prompt.message(QStringLiteral("请选择班级分类"));
    return std::nullopt;
  }
  const QString category = storedCategory(choice.trimmed());
  // The pupils carry their class's category; both change or neither does.
  db::Transaction tx(db);
  const bool ok =
      tx.started() &&
      db.execute(QStringLiteral("update 班级表 set TypeOfClass = '%1' where Class='%2';")
                     .arg(db.esc(category), db.esc(className))) &&
      db.execute(QStringLiteral("update 学籍表 set TypeOfClass = '%1' where Class='%2';")
                     .arg(db.esc(category), db.esc(className))) &&
      tx.commit();
  if (!ok) {
    prompt.message(QStringLiteral("修改记录失败！"), kInfoTitle, ui::Icon::Error);
    return std::nullopt;
  }
  return category;
}

bool deleteClass(db::Connection& db, ui::Prompt& prompt, const QString& className) {
  if (className.isEmpty()) {
    prompt.message(noClassSelectedForDelete());
    return false;
  }
  if (!prompt.askOkCancel(QStringLiteral("您确定要删除%1的全部学生资料吗？").arg(className), QStringLiteral("询问"),
                          ui::Icon::Question))
    return false;
  // A class must never vanish while its pupils stay behind under its name.
  db::Transaction tx(db);
  const bool ok = tx.started() &&
                  db.execute(QStringLiteral("delete from 班级表 where Class='%1';").arg(db.esc(className))) &&
                  db.execute(QStringLiteral("delete from 学籍表 where class='%1';").arg(db.esc(className))) &&
                  tx.commit();
  if (!ok) {
    prompt.message(QStringLiteral("删除%1失败！班级和学生资料都没有改变。").arg(className), kInfoTitle,
                   ui::Icon::Error);
    return false;
  }
  return true;
}

QString noClassSelectedForTutor() { return QStringLiteral("  请选择要修改班主任姓名的班级！  "); }
QString noClassSelectedForCategory() { return QStringLiteral("  请选择要修改班级分类的班级！  "); }
QString noClassSelectedForDelete() { return QStringLiteral("请在列表中选择要删除的班级"); }
QString customClassWarning() { return QStringLiteral("如果没有特殊的班级，请不要设置自定义班级"); }
QString customClassWarningTitle() { return QStringLiteral("特别提示"); }

}  // namespace sa::students
