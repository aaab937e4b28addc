// Entering and correcting pupils: the codes of added pupils, the warnings that
// never block a save, the insert and update, the photo, and the entry window
// driven through its controls.
#include <QComboBox>
#include <QDateEdit>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/students/student_entry_service.h"
#include "app/students/student_entry_window.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::Icon;
using ui::ScriptedPrompt;

const QString kOk = QStringLiteral("保存学生信息成功！\r\n\r\n");
const QString kId18 = QStringLiteral("33070220110901123X");

class EntryService : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    school.addClass(QStringLiteral("初中1年级1班"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("王老师"),
                    QStringLiteral("理本"));
    school.addClass(QStringLiteral("初中2年级1班"), QStringLiteral("2"), QStringLiteral("1"));
    school.addClass(QStringLiteral("初中3年级1班"), QStringLiteral("3"), QStringLiteral("1"));
  }
  // A fresh identity number each time, so no pupil draws the duplicate warning
  // unless a test asks for it.
  static QString freshId() {
    static int n = 0;
    return QStringLiteral("3307022011090%1").arg(++n, 5, 10, QLatin1Char('0'));
  }
  static PupilRecord pupil(const QString& name, const QString& number = QStringLiteral("2024101"),
                           const QString& idCard = freshId()) {
    PupilRecord r;
    r.name = name;
    r.studentNumber = number;
    r.idCardNo = idCard;
    r.sex = QStringLiteral("男");
    r.nationality = QStringLiteral("汉族");
    r.birthday = QStringLiteral("2011年9月1日");
    r.entranceDate = QStringLiteral("2024年9月1日");
    return r;
  }
  SaveOutcome add(const QString& cls, const PupilRecord& r) { return addPupil(db, prompt, cls, r, photo); }
  int pupils() { return school.count(QStringLiteral("select count(*) from 学籍表")); }

  test::SchoolFixture school{db};
  ScriptedPrompt prompt;
  PendingPhoto photo;
};

TEST_F(EntryService, AnAddedPupilGetsOneMoreThanTheHighestCodeOfHisGrade) {
  EXPECT_EQ(add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral("甲"))).code, QStringLiteral("1"));
  EXPECT_EQ(add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral("乙"))).code, QStringLiteral("2"));
  // Another grade counts on its own.
  EXPECT_EQ(add(QStringLiteral("初中2年级1班"), pupil(QStringLiteral("丙"))).code, QStringLiteral("1"));
  // Codes of different lengths: as text "9" would be the highest.
  for (const char* code : {"9", "10"})
    school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中3年级1班"), QString::fromUtf8(code),
                                                       QStringLiteral("男"), QString::fromUtf8(code)));
  EXPECT_EQ(add(QStringLiteral("初中3年级1班"), pupil(QStringLiteral("丁"))).code, QStringLiteral("11"));
  EXPECT_EQ(school.value(QStringLiteral("select PersonalCode from 学籍表 where name='丁'")), QStringLiteral("11"));
}

TEST_F(EntryService, WarningsAreToldWithTheSuccessAndNeverBlockTheSave) {
  school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中2年级1班"), QStringLiteral("已有"), QStringLiteral("女"),
                                                     QStringLiteral("1"), {{QStringLiteral("IDcardNo"), kId18}}));
  struct Case {
    const char* what;
    QString number, idCard, warnings;
  };
  const QString id17 = kId18.left(17);
  const Case cases[] = {
      {"all present", QStringLiteral("2024101"), freshId(), QString()},
      {"18 characters of any kind pass", QStringLiteral("2024101"), QStringLiteral("abcdefghijklmnopqr"), QString()},
      {"17 characters", QStringLiteral("2024101"), id17, QStringLiteral("\r\n您输错了身份证号码！！")},
      {"no identity number", QStringLiteral("2024101"), QString(), QStringLiteral("\r\n请输入学生的身份证号码！")},
      {"no registry number", QString(), freshId(), QStringLiteral("请输入学生的学号！")},
      {"the same identity number", QStringLiteral("2024101"), kId18, QStringLiteral("\r\n身份证号码雷同！")},
      {"nothing at all", QStringLiteral("  "), QString(),
       QStringLiteral("请输入学生的学号！\r\n请输入学生的身份证号码！")},
  };
  int n = pupils();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompt.clear();
    const SaveOutcome o = add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral("新生"), c.number, c.idCard));
    EXPECT_EQ(o.status, SaveOutcome::Status::Saved);
    EXPECT_EQ(pupils(), ++n);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.last().text, kOk + c.warnings);
    EXPECT_EQ(prompt.last().icon, Icon::Information);
  }
}

TEST_F(EntryService, ANameIsRequiredAndAClassMustExist) {
  EXPECT_EQ(add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral(" 　 "))).status, SaveOutcome::Status::NameMissing);
  EXPECT_EQ(prompt.last().text, QStringLiteral("    请输入学生的姓名！    "));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
  EXPECT_EQ(add(QString(), pupil(QStringLiteral("甲"))).status, SaveOutcome::Status::NoClass);
  EXPECT_EQ(prompt.last().text, QStringLiteral("请先选择学生所在的班级！"));
  EXPECT_EQ(add(QStringLiteral("已删除的班"), pupil(QStringLiteral("甲"))).status, SaveOutcome::Status::NoClass);
  EXPECT_EQ(pupils(), 0);
}

TEST_F(EntryService, TheInsertStoresTheFormTheClassNumbersAndEmptyScores) {
  PupilRecord r = pupil(QStringLiteral("欧'阳\\娜"));
  r.sn = QStringLiteral("G33070220110901123X");
  r.sex = QStringLiteral("女");
  r.position = QStringLiteral("班长");
  r.homeAddress = QStringLiteral("金华市人民路1号");
  r.telephone = QStringLiteral("0579-82000001");
  r.residence = QStringLiteral("浙江金华");
  r.nativePlace = QStringLiteral("浙江省金华市");
  r.parentA = QStringLiteral("父亲");
  r.nameOfParentA = QStringLiteral("欧阳建国");
  r.workPlaceOfParentA = QStringLiteral("机械厂");
  r.telephoneOfParentA = QStringLiteral("13500000001");
  r.parentB = QStringLiteral("奶奶");
  r.nameOfParentB = QStringLiteral("李秀英");
  r.workPlaceOfParentB = QStringLiteral("务农");
  r.telephoneOfParentB = QStringLiteral("13600000002");
  r.comment = QStringLiteral("第一行\n第二行");
  r.generalComment = QStringLiteral("优秀");
  const SaveOutcome o = add(QStringLiteral("初中1年级1班"), r);
  ASSERT_EQ(o.status, SaveOutcome::Status::Saved);

  const LoadedPupil back = readPupil(db, QStringLiteral("初中1年级1班"), r.name, o.code);
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.id, o.id);
  const PupilRecord& b = back.record;
  EXPECT_EQ(QStringList({b.name, b.sn, b.sex, b.position, b.homeAddress, b.telephone, b.residence, b.nativePlace,
                         b.parentA, b.nameOfParentA, b.workPlaceOfParentA, b.telephoneOfParentA, b.parentB,
                         b.nameOfParentB, b.workPlaceOfParentB, b.telephoneOfParentB, b.comment, b.generalComment,
                         b.birthday, b.entranceDate, b.idCardNo, b.studentNumber}),
            QStringList({r.name, r.sn, r.sex, r.position, r.homeAddress, r.telephone, r.residence, r.nativePlace,
                         r.parentA, r.nameOfParentA, r.workPlaceOfParentA, r.telephoneOfParentA, r.parentB,
                         r.nameOfParentB, r.workPlaceOfParentB, r.telephoneOfParentB, r.comment, r.generalComment,
                         r.birthday, r.entranceDate, r.idCardNo, r.studentNumber}));
  db::Result row = db.query(QStringLiteral("select * from 学籍表 where ID=") + o.id);
  ASSERT_TRUE(row.ok());
  EXPECT_EQ(row.value(QStringLiteral("ClassID")), QStringLiteral("1"));
  EXPECT_EQ(row.value(QStringLiteral("GradeID")), QStringLiteral("1"));
  EXPECT_EQ(row.value(QStringLiteral("TypeOfClass")), QStringLiteral("理本"));
  EXPECT_EQ(row.value(QStringLiteral("LeavingDate")), QStringLiteral("-"));
  EXPECT_EQ(row.value(QStringLiteral("LeavingCause")), QStringLiteral("-"));
  EXPECT_TRUE(row.isNull(QStringLiteral("MidTerm1")));
  EXPECT_TRUE(row.isNull(QStringLiteral("TermEnd20")));
  EXPECT_EQ(row.value(QStringLiteral("Morality")), QStringLiteral("2"));
}

TEST_F(EntryService, APendingPhotoGoesToTheNewRowOnlyAndIsThenDropped) {
  // The first pupil of grade 1 gets code 1, which a pupil of grade 2 already has.
  const QString other = school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中2年级1班"), QStringLiteral("别人"),
                                                                           QStringLiteral("女"), QStringLiteral("1")));
  photo.pending = true;
  photo.bytes = QByteArray("GIF89a-picture-bytes");
  const SaveOutcome o = add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral("甲")));
  ASSERT_EQ(o.code, QStringLiteral("1"));
  EXPECT_EQ(prompt.last().text, kOk + QStringLiteral("\r\n保存照片数据成功！"));
  EXPECT_EQ(school.value(QStringLiteral("select Photo from 学籍表 where ID=") + o.id), QStringLiteral("GIF89a-picture-bytes"));
  EXPECT_EQ(school.value(QStringLiteral("select Photo is null from 学籍表 where ID=") + other), QStringLiteral("1"));
  EXPECT_FALSE(photo.pending);

  const SaveOutcome next = add(QStringLiteral("初中1年级1班"), pupil(QStringLiteral("乙")));
  EXPECT_EQ(prompt.last().text, kOk);
  EXPECT_EQ(school.value(QStringLiteral("select Photo is null from 学籍表 where ID=") + next.id), QStringLiteral("1"));
}

TEST_F(EntryService, AnUpdateRewritesThePupilsRowOnly) {
  const QString mine = school.addPupil(QStringLiteral("学籍表"),
                                       PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("男"),
                                                QStringLiteral("1"), {{QStringLiteral("IDcardNo"), kId18}}));
  const QString twin = school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中2年级1班"), QStringLiteral("乙"),
                                                                          QStringLiteral("女"), QStringLiteral("1")));
  PupilRecord r = pupil(QStringLiteral("甲改"), QStringLiteral("77"), kId18.left(15));
  const SaveOutcome o = updatePupil(db, prompt, QStringLiteral("初中1年级1班"), QStringLiteral("1"), mine, r, photo);
  ASSERT_EQ(o.status, SaveOutcome::Status::Saved);
  EXPECT_EQ(prompt.last().text, kOk + QStringLiteral("\r\n您输错了身份证号码！"));
  EXPECT_EQ(school.value(QStringLiteral("select concat(name,'/',StudentNumber,'/',IDcardNo,'/',TypeOfClass) from 学籍表 where ID=") + mine),
            QStringLiteral("甲改/77/") + kId18.left(15) + QStringLiteral("/理本"));
  EXPECT_EQ(school.value(QStringLiteral("select name from 学籍表 where ID=") + twin), QStringLiteral("乙"));

  prompt.clear();
  r.idCardNo.clear();
  updatePupil(db, prompt, QStringLiteral("初中1年级1班"), QStringLiteral("1"), mine, r, photo);
  EXPECT_EQ(prompt.last().text, kOk + QStringLiteral("\r\n请输入学生的身份证号码！"));
}

TEST(EntryChecks, RegistryNumberWarningAndCommentLimit) {
  EXPECT_EQ(registryNumberWarning(QStringLiteral("0123")), QStringLiteral("学号的第一位数字不能为 0 ！  "));
  EXPECT_EQ(registryNumberWarning(QStringLiteral("0")), QString());
  EXPECT_EQ(registryNumberWarning(QStringLiteral("1023")), QString());
  QStringList lines;
  for (int i = 1; i <= 15; ++i) lines << QStringLiteral("第%1行").arg(i);
  bool cut = false;
  EXPECT_EQ(limitCommentLines(lines.join(QLatin1Char('\n')), &cut), lines.mid(0, 14).join(QLatin1Char('\n')));
  EXPECT_TRUE(cut);
  EXPECT_EQ(limitCommentLines(lines.mid(0, 14).join(QLatin1Char('\n')), &cut), lines.mid(0, 14).join(QLatin1Char('\n')));
  EXPECT_FALSE(cut);
}

// ---------------------------------------------------------------------------
// The window

class EntryWindowTest : public EntryService {
 protected:
  void SetUp() override {
    test::qtApp();
    EntryService::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    state.user.loggedIn = true;
    state.user.levelText = QStringLiteral("1111");
    state.user.level = 1111;
  }
  std::unique_ptr<StudentEntryWindow> open(StudentEntryWindow::Mode mode, const QString& cls = {},
                                           const QString& code = {}) {
    auto w = std::make_unique<StudentEntryWindow>(state, prompt, mode);
    EXPECT_TRUE(w->prepare(cls, code));
    w->show();
    return w;
  }
  template <typename T>
  static T* find(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  static void type(QWidget& w, const char* name, const QString& text) {
    auto* e = find<QLineEdit>(w, name);
    e->clear();
    test::typeText(e, text);
  }
  static void click(QWidget& w, const char* name) { QTest::mouseClick(find<QPushButton>(w, name), Qt::LeftButton); }
  QString photoOf(const QString& name) {
    return school.value(QStringLiteral("select ifnull(length(Photo),0) from 学籍表 where name='%1'").arg(name));
  }

  QTemporaryDir dir;
  core::AppState state;
};

TEST_F(EntryWindowTest, AddingAPupilListsHimAndClearsTheFormForTheNext) {
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("添加学生资料"));
  EXPECT_EQ(find<QLabel>(*w, "标题行标签")->text(), QStringLiteral("您现在要添加的是七（1）班的学生资料"));
  EXPECT_FALSE(find<QListWidget>(*w, "学生姓名列表框")->isEnabled());
  EXPECT_EQ(find<QPushButton>(*w, "保存按钮")->text(), QStringLiteral("保存数据"));

  type(*w, "学生学号编辑框", QStringLiteral("2024101"));
  type(*w, "身份证号码编辑框", kId18);
  type(*w, "姓名编辑框", QStringLiteral("张小明"));
  type(*w, "住址编辑框", QStringLiteral("金华市人民路8号"));
  type(*w, "父亲编辑框", QStringLiteral("张建国"));
  find<QComboBox>(*w, "性别组合框")->setCurrentText(QStringLiteral("女"));
  find<QDateEdit>(*w, "出生日期框")->setDate(QDate(2011, 3, 5));
  click(*w, "保存按钮");

  EXPECT_EQ(prompt.last().text, kOk);
  EXPECT_EQ(school.value(QStringLiteral("select concat_ws('/',StudentNumber,IDcardNo,sex,birthday,HomeAddress,"
                                        "NameOfParentA,PersonalCode) from 学籍表 where name='张小明'")),
            QStringLiteral("2024101/") + kId18 + QStringLiteral("/女/2011年3月5日/金华市人民路8号/张建国/1"));
  auto* list = find<QListWidget>(*w, "学生姓名列表框");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("张小明"));
  EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("1"));
  EXPECT_EQ(find<QLabel>(*w, "人数标签")->text(), QStringLiteral("目前初中1年级1班共有1名学生  其中男生0人  女生1人"));
  EXPECT_EQ(find<QLineEdit>(*w, "姓名编辑框")->text(), QString());
  EXPECT_EQ(find<QLineEdit>(*w, "身份证号码编辑框")->text(), QString());
  EXPECT_EQ(find<QComboBox>(*w, "学生班级组合框")->currentText(), QStringLiteral("初中1年级1班"));
  EXPECT_TRUE(w->savedAnything());
  EXPECT_EQ(w->savedClasses(), QStringList{QStringLiteral("初中1年级1班")});
}

TEST_F(EntryWindowTest, APendingPhotoIsNeverCarriedOverToAnotherPupil) {
  const QString gif = test::writePicture(dir.path(), QStringLiteral("a.gif"), Qt::red);
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  // Saved with the pupil it was chosen for, not with the next one.
  prompt.choose(gif);
  click(*w, "选择照片按钮");
  EXPECT_EQ(prompt.lastFilter(), QStringLiteral("图象文件(*.jpg;*.bmp;*.gif)|*.jpg;*.bmp;*.gif|JPG文件(*.jpg)|*.jpg|"
                                                      "BMP文件(*.bmp)|*.bmp|GIF文件(*.gif)|*.gif"));
  EXPECT_TRUE(w->hasPendingPhoto());
  type(*w, "姓名编辑框", QStringLiteral("有照片"));
  click(*w, "保存按钮");
  EXPECT_TRUE(prompt.last().text.endsWith(QStringLiteral("\r\n保存照片数据成功！")));
  EXPECT_NE(photoOf(QStringLiteral("有照片")), QStringLiteral("0"));
  type(*w, "姓名编辑框", QStringLiteral("下一个"));
  click(*w, "保存按钮");
  EXPECT_EQ(photoOf(QStringLiteral("下一个")), QStringLiteral("0"));

  // Another class chosen while typing: still the same new pupil, photo and all.
  type(*w, "姓名编辑框", QStringLiteral("换班后"));
  prompt.choose(gif);
  click(*w, "选择照片按钮");
  find<QComboBox>(*w, "学生班级组合框")->setCurrentText(QStringLiteral("初中2年级1班"));
  EXPECT_TRUE(w->hasPendingPhoto());
  EXPECT_EQ(find<QLineEdit>(*w, "姓名编辑框")->text(), QStringLiteral("换班后"));
  click(*w, "保存按钮");
  EXPECT_NE(photoOf(QStringLiteral("换班后")), QStringLiteral("0"));
  EXPECT_EQ(school.value(QStringLiteral("select class from 学籍表 where name='换班后'")), QStringLiteral("初中2年级1班"));

  // Cancelling the file dialog leaves no pending photo.
  prompt.choose(gif);
  click(*w, "选择照片按钮");
  click(*w, "选择照片按钮");
  EXPECT_FALSE(w->hasPendingPhoto());
}

TEST_F(EntryWindowTest, InModifyModeAPhotoChosenForOnePupilStaysOffTheNext) {
  school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("男"), QStringLiteral("1")));
  school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("乙"), QStringLiteral("男"), QStringLiteral("2")));
  auto w = open(StudentEntryWindow::Mode::Modify, QStringLiteral("初中1年级1班"), QStringLiteral("1"));
  auto* list = find<QListWidget>(*w, "学生姓名列表框");
  EXPECT_EQ(list->currentItem()->text(), QStringLiteral("甲"));
  EXPECT_EQ(find<QLabel>(*w, "标题行标签")->text(), QStringLiteral("您现在修改的是初中1年级1班甲同学的资料"));
  prompt.choose(test::writePicture(dir.path(), QStringLiteral("b.jpg"), Qt::blue));
  click(*w, "选择照片按钮");
  list->setCurrentRow(1);
  EXPECT_FALSE(w->hasPendingPhoto());
  click(*w, "保存按钮");
  EXPECT_EQ(prompt.last().text, kOk + QStringLiteral("\r\n请输入学生的身份证号码！"));
  EXPECT_EQ(photoOf(QStringLiteral("甲")), QStringLiteral("0"));
  EXPECT_EQ(photoOf(QStringLiteral("乙")), QStringLiteral("0"));
}

TEST_F(EntryWindowTest, ModifyKeepsTheStoredIdentityNumberWhenTheRegistryNumberIsTyped) {
  school.addPupil(QStringLiteral("学籍表"),
                  PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("男"), QStringLiteral("1"),
                           {{QStringLiteral("IDcardNo"), kId18}, {QStringLiteral("StudentNumber"), QStringLiteral("2024")}}));
  auto w = open(StudentEntryWindow::Mode::Modify, QStringLiteral("初中1年级1班"));
  EXPECT_EQ(find<QLineEdit>(*w, "身份证号码编辑框")->text(), kId18);
  test::typeText(find<QLineEdit>(*w, "学生学号编辑框"), QStringLiteral("9"));
  EXPECT_EQ(find<QLineEdit>(*w, "身份证号码编辑框")->text(), kId18);
  click(*w, "保存按钮");
  EXPECT_EQ(prompt.last().text, kOk);
  EXPECT_EQ(school.value(QStringLiteral("select concat(StudentNumber,'/',IDcardNo) from 学籍表 where name='甲'")),
            QStringLiteral("20249/") + kId18);
}

TEST_F(EntryWindowTest, TypingTheRegistryNumber) {
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  auto* number = find<QLineEdit>(*w, "学生学号编辑框");
  auto* idCard = find<QLineEdit>(*w, "身份证号码编辑框");
  test::typeText(number, QStringLiteral("0-123"));
  EXPECT_EQ(number->text(), QStringLiteral("0123"));
  // Warned at every change once the text is longer than one character.
  EXPECT_EQ(prompt.messages(), QStringList(3, QStringLiteral("学号的第一位数字不能为 0 ！  ")));
  // In add mode the identity box follows until an identity number is typed.
  EXPECT_EQ(idCard->text(), QStringLiteral("0123"));
  idCard->clear();
  test::typeText(idCard, kId18);
  test::typeText(number, QStringLiteral("4"));
  EXPECT_EQ(idCard->text(), kId18);
}

TEST_F(EntryWindowTest, TheTermCommentStopsAtFourteenLines) {
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  auto* comment = find<QPlainTextEdit>(*w, "本学期评语编辑框");
  for (int i = 1; i <= 15; ++i) {
    test::typeText(comment, QStringLiteral("第%1行").arg(i));
    if (i < 15) QTest::keyClick(comment, Qt::Key_Return);
  }
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("本学期评价最多输入14行内容！")});
  const QStringList lines = comment->toPlainText().split(QLatin1Char('\n'));
  EXPECT_EQ(lines.size(), 14);
  EXPECT_EQ(lines.first(), QStringLiteral("第1行"));
  EXPECT_EQ(comment->textCursor().position(), comment->toPlainText().size());
}

TEST_F(EntryWindowTest, CommentPanesPhotoDeletionAndTheirQuestions) {
  school.addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("男"),
                                                     QStringLiteral("1"), {{QStringLiteral("GeneralComment"), QStringLiteral("好")}}));
  const QByteArray gif = [&] {
    QFile f(test::writePicture(dir.path(), QStringLiteral("c.gif"), Qt::green));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  ASSERT_TRUE(db.executeWithBlob(QStringLiteral("update 学籍表 set Photo=? where name='甲'"), gif));

  auto w = open(StudentEntryWindow::Mode::Modify, QStringLiteral("初中1年级1班"));
  click(*w, "综合评价按钮");
  EXPECT_EQ(find<QPushButton>(*w, "综合评价按钮")->text(), QStringLiteral("● 综合评价"));
  EXPECT_EQ(find<QPushButton>(*w, "本学期评语按钮")->text(), QStringLiteral("本学期评语"));
  EXPECT_EQ(find<QLabel>(*w, "评语标题标签")->text(), QStringLiteral(" 综合评价："));
  prompt.answer(false);
  click(*w, "清除评语按钮");
  EXPECT_EQ(prompt.last().text, QStringLiteral("您确定要清除综合评价的内容吗？"));
  EXPECT_EQ(find<QPlainTextEdit>(*w, "综合评价编辑框")->toPlainText(), QStringLiteral("好"));
  prompt.answer(true);
  click(*w, "清除评语按钮");
  EXPECT_EQ(find<QPlainTextEdit>(*w, "综合评价编辑框")->toPlainText(), QString());
  click(*w, "本学期评语按钮");
  const size_t asked = prompt.shown().size();
  click(*w, "清除评语按钮");  // an empty comment is not asked about
  EXPECT_EQ(prompt.shown().size(), asked);

  EXPECT_FALSE(find<QLabel>(*w, "学生照片")->pixmap().isNull());
  prompt.answer(true);
  click(*w, "删除照片按钮");
  EXPECT_EQ(prompt.last().text, QStringLiteral("您确定要删除甲同学的照片吗？"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("询问"));
  EXPECT_TRUE(find<QLabel>(*w, "学生照片")->pixmap().isNull());
  click(*w, "保存按钮");
  EXPECT_EQ(photoOf(QStringLiteral("甲")), QStringLiteral("0"));
  EXPECT_EQ(school.value(QStringLiteral("select GeneralComment from 学籍表 where name='甲'")), QString());
}

TEST_F(EntryWindowTest, DroppedFilesCountOnlyAsGifJpgOrJpegAndOnlyTheFirst) {
  const QString png = test::writePicture(dir.path(), QStringLiteral("p.png"), Qt::red);
  const QString jpeg = test::writePicture(dir.path(), QStringLiteral("p.JPEG"), Qt::red);
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  auto drop = [&](const QStringList& files) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    mime.setUrls(urls);
    // Straight to the window: the application delivers a drop only inside a
    // drag the platform started.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(w.get())->event(&enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(w.get())->event(&event);
  };
  drop({png, jpeg});
  EXPECT_FALSE(w->hasPendingPhoto());
  drop({jpeg, png});
  EXPECT_TRUE(w->hasPendingPhoto());
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(EntryWindowTest, OnlyFreeAdministratorsChooseTheClass) {
  struct Case {
    const char* level;
    const char* tutor;
    bool enabled;
    const char* shown;
  };
  const Case cases[] = {
      {"1111", "", true, "初中2年级1班"},
      {"1110", "", true, "初中2年级1班"},
      {"1110", "初中3年级1班", false, "初中3年级1班"},
      {"1100", "初中3年级1班", false, "初中3年级1班"},
      {"1100", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.level) + " " + c.tutor);
    state.user.levelText = QString::fromUtf8(c.level);
    state.user.classTutor = QString::fromUtf8(c.tutor);
    auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中2年级1班"));
    EXPECT_EQ(find<QComboBox>(*w, "学生班级组合框")->isEnabled(), c.enabled);
    EXPECT_EQ(w->currentClass(), QString::fromUtf8(c.shown));
  }
  prompt.clear();
  auto w = open(StudentEntryWindow::Mode::Add);
  type(*w, "姓名编辑框", QStringLiteral("无班"));
  click(*w, "保存按钮");
  EXPECT_EQ(prompt.last().text, QStringLiteral("请先选择学生所在的班级！"));
  EXPECT_EQ(pupils(), 0);
}

TEST_F(EntryWindowTest, EnterAndTabFollowTheFixedOrderAndSpaceSaves) {
  auto w = open(StudentEntryWindow::Mode::Add, QStringLiteral("初中1年级1班"));
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  const char* order[] = {"学生班级组合框", "学生学号编辑框", "姓名编辑框",   "性别组合框",     "民族组合框",
                         "出生日期框",     "入学日期框",     "班内职务组合框", "住址编辑框",     "住宅电话编辑框",
                         "籍贯编辑框",     "户籍编辑框",     "家长组合框1",   "父亲编辑框",     "父亲单位编辑框",
                         "父电话编辑框",   "家长组合框2",   "母亲编辑框",     "母亲单位编辑框", "母电话编辑框",
                         "本学期评语编辑框", "保存按钮",     "退出按钮",       "学生班级组合框"};
  for (size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget* from = w->findChild<QWidget*>(QString::fromUtf8(order[i]));
    ASSERT_NE(from, nullptr) << order[i];
    from->setFocus();
    // Enter writes a new line in the comment; Tab leaves it.
    const bool tab = i % 2 || from->objectName() == QStringLiteral("本学期评语编辑框");
    QTest::keyClick(from, tab ? Qt::Key_Tab : Qt::Key_Return);
    QWidget* to = w->findChild<QWidget*>(QString::fromUtf8(order[i + 1]));
    EXPECT_TRUE(to->hasFocus()) << order[i] << " -> " << order[i + 1];
  }
  // Enter in the comment writes a new line.
  auto* comment = find<QPlainTextEdit>(*w, "本学期评语编辑框");
  comment->setFocus();
  QTest::keyClick(comment, Qt::Key_Return);
  EXPECT_TRUE(comment->hasFocus());
  EXPECT_EQ(comment->toPlainText(), QStringLiteral("\n"));

  auto* save = find<QPushButton>(*w, "保存按钮");
  save->setFocus();
  QTest::keyClick(save, Qt::Key_Space);
  EXPECT_EQ(prompt.last().text, QStringLiteral("    请输入学生的姓名！    "));
  EXPECT_TRUE(find<QLineEdit>(*w, "姓名编辑框")->hasFocus());
}

TEST_F(EntryWindowTest, ModifyModeWithAnEmptyClassAndAnEmptyClassTable) {
  auto w = open(StudentEntryWindow::Mode::Modify, QStringLiteral("初中2年级1班"));
  EXPECT_EQ(prompt.last().text, QStringLiteral("目前初中2年级1班没有学生资料！请选择其他班级修改资料！"));
  EXPECT_EQ(find<QLabel>(*w, "标题行标签")->text(), prompt.last().text);
  EXPECT_EQ(find<QPushButton>(*w, "保存按钮")->text(), QStringLiteral("保存修改"));
  prompt.clear();
  click(*w, "保存按钮");
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("目前初中2年级1班没有学生资料！请选择其他班级修改资料！")});

  school.run(QStringLiteral("delete from 班级表"));
  StudentEntryWindow none(state, prompt, StudentEntryWindow::Mode::Add);
  EXPECT_FALSE(none.prepare());
  EXPECT_EQ(prompt.last().text, QStringLiteral("目前没有班级数据！请先进行校务设置！"));
}

}  // namespace
}  // namespace sa::students
