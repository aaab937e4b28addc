#include "app/students/student_entry_service.h"

#include "app/students/personal_code_service.h"
#include "app/students/roster_service.h"

namespace sa::students {

namespace {

QStringList splitList(const char* joined) { return QString::fromUtf8(joined).split(QLatin1Char(',')); }

QString quoted(db::Connection& db, const QString& value) {
  return QLatin1Char('\'') + db.esc(value) + QLatin1Char('\'');
}

// The twenty form fields from StudentNumber to TelephoneOfParentB, in the
// column order of the insert.
QStringList formValues(const PupilRecord& r) {
  return {r.studentNumber,      r.name,           r.sex,           r.nationality,        r.birthday,
          r.entranceDate,       QString(),        r.position,      r.homeAddress,        r.telephone,
          r.residence,          r.nativePlace,    r.parentA,       r.nameOfParentA,      r.workPlaceOfParentA,
          r.telephoneOfParentA, r.parentB,        r.nameOfParentB, r.workPlaceOfParentB, r.telephoneOfParentB};
}

struct ClassNumbers {
  bool ok = false;
  bool found = false;
  QString classId, gradeId, typeOfClass;
};

ClassNumbers readClassNumbers(db::Connection& db, const QString& className) {
  ClassNumbers out;
  db::Result r = db.query(QStringLiteral("select ClassID,GradeID,TypeOfClass from 班级表 where Class='") +
                          db.esc(className) + QStringLiteral("';"));
  if (!r) return out;
  out.ok = true;
  if (r.rowCount() == 0) return out;
  out.found = true;
  out.classId = r.value(QStringLiteral("ClassID"));
  out.gradeId = r.value(QStringLiteral("GradeID"));
  out.typeOfClass = r.value(QStringLiteral("TypeOfClass"));
  return out;
}

// The class must exist before a pupil can be written into it; without this a
// row with no class (or a vanished one) would be stored.
bool requireClass(ui::Prompt& prompt, const QString& className, const ClassNumbers& numbers) {
  if (className.trimmed().isEmpty()) {
    prompt.message(QStringLiteral("请先选择学生所在的班级！"), QStringLiteral("提示"));
    return false;
  }
  if (!numbers.ok) {
    prompt.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (!numbers.found) {
    prompt.message(QStringLiteral("班级表中没有") + className + QStringLiteral("！请先进行校务设置！"),
                   QStringLiteral("提示"));
    return false;
  }
  return true;
}

bool nameMissing(ui::Prompt& prompt, const PupilRecord& record) {
  if (!record.name.trimmed().isEmpty()) return false;
  prompt.message(QStringLiteral("    请输入学生的姓名！    "), QStringLiteral("提示"));
  return true;
}

// Writes the pending photo to the row and drops it; the text for the message.
QString writePhoto(db::Connection& db, const QString& id, PendingPhoto& photo) {
  if (!photo.pending) return {};
  const QString where = QStringLiteral(" where ID='") + db.esc(id) + QStringLiteral("';");
  const bool ok = photo.bytes.isEmpty()
                      ? db.execute(QStringLiteral("update 学籍表 set Photo=NULL") + where)
                      : db.executeWithBlob(QStringLiteral("update 学籍表 set Photo=?") + where, photo.bytes);
  photo.drop();
  return ok ? QStringLiteral("\r\n保存照片数据成功！") : QStringLiteral("\r\n保存照片数据失败！！");
}

// The stored record keeps the name and identity number without stray spaces.
PupilRecord tidied(const PupilRecord& record) {
  PupilRecord r = record;
  r.name = r.name.trimmed();
  r.idCardNo = r.idCardNo.trimmed();
  r.studentNumber = r.studentNumber.trimmed();
  return r;
}

const QString kSaved = QStringLiteral("保存学生信息成功！\r\n\r\n");

}  // namespace

const QStringList& sexChoices() {
  static const QStringList list = {QStringLiteral("男"), QStringLiteral("女")};
  return list;
}

const QStringList& nationalityChoices() {
  static const QStringList list = splitList(
      "汉族,回族,满族,苗族,藏族,壮族,傣族,彝族,瑶族,白族,佤族,侗族,黎族,畲族,京族,怒族,羌族,土族,水族,蒙古族,"
      "朝鲜族,景颇族,高山族,赫哲族,土家族,布依族,哈尼族,拉祜族,纳西族,傈僳族,独龙族,布朗族,基诺族,门巴族,德昂族,"
      "阿昌族,普米族,珞巴族,仡佬族,东乡族,撒拉族,保安族,毛南族,裕固族,锡伯族,仫佬族,维吾尔族,俄罗斯族,塔塔尔族,"
      "哈萨克族,塔吉克族,乌孜别克,达斡尔族,鄂温克族,鄂伦春族,少数民族");
  return list;
}

const QStringList& positionChoices() {
  static const QStringList list = splitList(
      "学生,班长,副班长,组长,副组长,学习委员,生活委员,语文课代表,数学课代表,英语课代表,自然课代表,音乐课代表,"
      "美术课代表,体育课代表,代数课代表,几何课代表,物理课代表,化学课代表,微机课代表,生物课代表,地理课代表,"
      "政治课代表,学生会主席");
  return list;
}

const QStringList& guardianChoices() {
  static const QStringList list =
      splitList("父亲,母亲,爷爷,奶奶,姥爷,姥姥,叔叔,婶婶,舅舅,舅妈,哥哥,嫂子,姐姐,姐夫");
  return list;
}

NameList readClassPupils(db::Connection& db, const QString& className) {
  return readNameList(db, QStringLiteral("select name,sex,PersonalCode  from 学籍表 where class='") +
                              db.esc(className) + QStringLiteral("' order by name;"));
}

QString classCountLine(const QString& className, int boys, int girls) {
  return QStringLiteral("目前%1共有%2名学生  其中男生%3人  女生%4人").arg(className).arg(boys + girls).arg(boys).arg(girls);
}

LoadedPupil readPupil(db::Connection& db, const QString& className, const QString& name, const QString& code) {
  LoadedPupil out;
  db::Result r = db.query(QStringLiteral("select * from 学籍表 where class='") + db.esc(className) +
                          QStringLiteral("' and  name='") + db.esc(name) + QStringLiteral("' and PersonalCode='") +
                          db.esc(code) + QStringLiteral("';"));
  if (!r || r.rowCount() == 0) return out;
  out.ok = true;
  auto v = [&r](const char* column) { return r.value(QString::fromLatin1(column)); };
  out.id = v("ID");
  PupilRecord& p = out.record;
  p.studentNumber = v("StudentNumber");
  p.sn = v("SN");
  p.idCardNo = v("IDcardNo");
  p.name = v("name");
  p.sex = v("sex");
  p.nationality = v("nationality");
  p.birthday = v("birthday");
  p.entranceDate = v("EntranceDate");
  p.position = v("Positon");
  p.homeAddress = v("HomeAddress");
  p.telephone = v("Telephone");
  p.residence = v("Residence");
  p.nativePlace = v("NativePlace");
  p.parentA = v("ParentA");
  p.nameOfParentA = v("NameOfParentA");
  p.workPlaceOfParentA = v("WorkPlaceOfParentA");
  p.telephoneOfParentA = v("TelephoneOfParentA");
  p.parentB = v("ParentB");
  p.nameOfParentB = v("NameOfParentB");
  p.workPlaceOfParentB = v("WorkPlaceOfParentB");
  p.telephoneOfParentB = v("TelephoneOfParentB");
  p.comment = v("CommentOfThisTerm");
  p.generalComment = v("GeneralComment");
  out.photo = r.bytes(QStringLiteral("Photo"));
  return out;
}

QString registryNumberWarning(const QString& text) {
  if (text.size() > 1 && text.startsWith(QLatin1Char('0'))) return QStringLiteral("学号的第一位数字不能为 0 ！  ");
  return {};
}

QString limitCommentLines(const QString& text, bool* cut) {
  QString out = text;
  while (out.count(QLatin1Char('\n')) + 1 > kCommentLines) out.chop(1);
  if (cut) *cut = out.size() != text.size();
  return out;
}

QString commentLimitMessage() { return QStringLiteral("本学期评价最多输入14行内容！"); }

SaveOutcome addPupil(db::Connection& db, ui::Prompt& prompt, const QString& className, const PupilRecord& input,
                     PendingPhoto& photo, const std::function<void(const SaveOutcome&)>& afterInsert) {
  SaveOutcome out;
  const ClassNumbers numbers = readClassNumbers(db, className);
  if (nameMissing(prompt, input)) {
    out.status = SaveOutcome::Status::NameMissing;
    return out;
  }
  if (!requireClass(prompt, className, numbers)) {
    out.status = SaveOutcome::Status::NoClass;
    return out;
  }
  const PupilRecord r = tidied(input);

  QString warnings;
  if (r.studentNumber.isEmpty()) warnings += QStringLiteral("请输入学生的学号！");
  if (r.idCardNo.isEmpty()) {
    warnings += QStringLiteral("\r\n请输入学生的身份证号码！");
  } else {
    if (r.idCardNo.size() != 18) warnings += QStringLiteral("\r\n您输错了身份证号码！！");
    db::Result same =
        db.query(QStringLiteral("select ID from 学籍表 where IDCardNo='") + db.esc(r.idCardNo) + QStringLiteral("';"));
    if (same && same.rowCount() > 0) warnings += QStringLiteral("\r\n身份证号码雷同！");
  }

  const HighestCode highest = highestCodeOfGrade(db, numbers.gradeId);
  if (!highest.ok) {
    prompt.message(QStringLiteral("保存学生信息失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return out;
  }
  out.code = nextCodeText(highest.value);

  QString sql = QStringLiteral(
      "insert into 学籍表(StudentNumber,name,sex,nationality,birthday,EntranceDate,class,Positon,HomeAddress,Telephone,"
      "Residence,NativePlace,ParentA,NameOfParentA,WorkPlaceOfParentA,TelephoneOfParentA,ParentB,NameOfParentB,"
      "WorkPlaceOfParentB,TelephoneOfParentB,CommentOfThisTerm,GeneralComment,");
  for (int i = 1; i <= 20; ++i) sql += QStringLiteral("MidTerm%1,").arg(i);
  for (int i = 1; i <= 20; ++i) sql += QStringLiteral("TermEnd%1,").arg(i);
  sql += QStringLiteral("LeavingDate,LeavingCause,ClassID,GradeID,IDcardNo,SN,TypeOfClass,PersonalCode) values (");
  QStringList values;
  QStringList form = formValues(r);
  form[6] = className;
  for (const QString& v : form) values << quoted(db, v);
  values << quoted(db, r.comment) << quoted(db, r.generalComment);
  for (int i = 0; i < 40; ++i) values << QStringLiteral("null");
  values << QStringLiteral("'-'") << QStringLiteral("'-'") << quoted(db, numbers.classId)
         << quoted(db, numbers.gradeId) << quoted(db, r.idCardNo) << quoted(db, r.sn)
         << quoted(db, numbers.typeOfClass) << quoted(db, out.code);
  sql += values.join(QLatin1Char(',')) + QStringLiteral(");");

  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("保存学生信息失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return out;
  }
  out.status = SaveOutcome::Status::Saved;
  out.id = QString::number(db.lastInsertId());
  if (afterInsert) afterInsert(out);
  // By the row's ID: the first pupils of two grades share the code 1.
  warnings += writePhoto(db, out.id, photo);
  out.warnings = warnings;
  prompt.message(kSaved + warnings, QString(), ui::Icon::Information);
  return out;
}

SaveOutcome updatePupil(db::Connection& db, ui::Prompt& prompt, const QString& className, const QString& code,
                        const QString& id, const PupilRecord& input, PendingPhoto& photo,
                        const std::function<void(const SaveOutcome&)>& afterUpdate) {
  SaveOutcome out;
  out.code = code;
  out.id = id;
  if (nameMissing(prompt, input)) {
    out.status = SaveOutcome::Status::NameMissing;
    return out;
  }
  const ClassNumbers numbers = readClassNumbers(db, className);
  if (!requireClass(prompt, className, numbers)) {
    out.status = SaveOutcome::Status::NoClass;
    return out;
  }
  const PupilRecord r = tidied(input);
  QString warnings;
  if (r.idCardNo.isEmpty())
    warnings += QStringLiteral("\r\n请输入学生的身份证号码！");
  else if (r.idCardNo.size() != 18)
    warnings += QStringLiteral("\r\n您输错了身份证号码！");

  auto set = [&db](const char* column, const QString& value) {
    return QString::fromLatin1(column) + QStringLiteral("='") + db.esc(value) + QLatin1Char('\'');
  };
  const QString sql =
      QStringLiteral("update 学籍表 set ") +
      QStringList{set("StudentNumber", r.studentNumber), set("name", r.name), set("sex", r.sex),
                  set("nationality", r.nationality), set("birthday", r.birthday),
                  set("EntranceDate", r.entranceDate), set("class", className), set("Positon", r.position),
                  set("HomeAddress", r.homeAddress), set("Telephone", r.telephone), set("Residence", r.residence),
                  set("NativePlace", r.nativePlace), set("ParentA", r.parentA), set("NameOfParentA", r.nameOfParentA),
                  set("WorkPlaceOfParentA", r.workPlaceOfParentA), set("TelephoneOfParentA", r.telephoneOfParentA),
                  set("ParentB", r.parentB), set("NameOfParentB", r.nameOfParentB),
                  set("WorkPlaceOfParentB", r.workPlaceOfParentB), set("TelephoneOfParentB", r.telephoneOfParentB),
                  set("CommentOfThisTerm", r.comment), set("GeneralComment", r.generalComment),
                  set("ClassID", numbers.classId)}
          .join(QLatin1Char(',')) +
      QStringLiteral(", ") + set("GradeID", numbers.gradeId) + QStringLiteral(" ,") + set("IDcardNo", r.idCardNo) +
      QLatin1Char(',') + set("TypeOfClass", numbers.typeOfClass) + QStringLiteral(" ,") + set("SN", r.sn) +
      QStringLiteral("  where PersonalCode='") + db.esc(code) + QStringLiteral("' and ID='") + db.esc(id) +
      QStringLiteral("';");
  if (!db.execute(sql)) {
    prompt.message(QStringLiteral("修改学生信息失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return out;
  }
  out.status = SaveOutcome::Status::Saved;
  if (afterUpdate) afterUpdate(out);
  warnings += writePhoto(db, id, photo);
  out.warnings = warnings;
  prompt.message(kSaved + warnings, QString(), ui::Icon::Information);
  return out;
}

QString noPupilsToModifyText(const QString& className) {
  return QStringLiteral("目前%1没有学生资料！请选择其他班级修改资料！").arg(className);
}

}  // namespace sa::students
