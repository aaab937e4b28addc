#pragma once
// A small school for the pupil-record tests: classes and pupils written
// straight into a freshly installed database, and a main window with the
// pupil pages registered on it.
#include <QImage>
#include <QBuffer>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include "app/core/main_window.h"
#include "app/students/record_operations.h"
#include "tests/core/main_window_fixture.h"

namespace sa::test {

struct PupilRow {
  PupilRow(QString cls_, QString name_, QString sex_ = QStringLiteral("男"), QString code_ = QStringLiteral("0"),
           QHash<QString, QString> more_ = {})
      : cls(std::move(cls_)), name(std::move(name_)), sex(std::move(sex_)), code(std::move(code_)),
        more(std::move(more_)) {}
  QString cls;
  QString name;
  QString sex;
  QString code;
  QHash<QString, QString> more;  // further columns
};

// Rows straight into the tables, through the fixture's own connection.
class SchoolFixture {
 public:
  explicit SchoolFixture(db::Connection& db) : db_(db) {}

  void addClass(const QString& name, const QString& gradeId, const QString& classId, const QString& tutor = {},
                const QString& type = QStringLiteral("无分类")) {
    run(QStringLiteral("insert into 班级表 (Class,ClassTutor,TypeOfClass,GradeID,ClassID,Subject1,Subject2,Subject3) "
                       "values ('%1','%2','%3','%4','%5','语文','数学','英语')")
            .arg(db_.esc(name), db_.esc(tutor), db_.esc(type), db_.esc(gradeId), db_.esc(classId)));
  }

  // Adds a pupil to a student table; GradeID, ClassID and TypeOfClass come
  // from the class row when it exists. Returns the row's ID.
  QString addPupil(const QString& table, const PupilRow& p) {
    QStringList columns = {QStringLiteral("class"), QStringLiteral("name"), QStringLiteral("sex"),
                           QStringLiteral("PersonalCode")};
    QStringList values = {p.cls, p.name, p.sex, p.code};
    for (auto it = p.more.cbegin(); it != p.more.cend(); ++it) {
      columns << it.key();
      values << it.value();
    }
    QStringList quoted;
    for (const QString& v : values) quoted << QLatin1Char('\'') + db_.esc(v) + QLatin1Char('\'');
    run(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columns.join(QLatin1Char(',')), quoted.join(QLatin1Char(','))));
    const QString id = QString::number(db_.lastInsertId());
    run(QStringLiteral("update %1 t join 班级表 b on b.Class=t.class set t.GradeID=b.GradeID,t.ClassID=b.ClassID,"
                       "t.TypeOfClass=b.TypeOfClass where t.ID=%2")
            .arg(table, id));
    return id;
  }

  QString value(const QString& sql) {
    db::Result r = db_.query(sql);
    EXPECT_TRUE(r.ok()) << sql.toStdString() << ": " << db_.lastError().toStdString();
    return r.rowCount() > 0 ? r.value(0) : QString();
  }

  int count(const QString& sql) { return value(sql).toInt(); }

  void run(const QString& sql) { ASSERT_TRUE(db_.execute(sql)) << sql.toStdString() << ": " << db_.lastError().toStdString(); }

 private:
  db::Connection& db_;
};

// Types text as key presses; QTest::keyClicks knows only ASCII keys.
inline void typeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80 && c.isPrint())
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// A picture file in `dir`. Qt writes no GIF, so the bytes are PNG whatever
// the name says; pictures are recognised by their bytes.
inline QString writePicture(const QString& dir, const QString& name, QColor colour) {
  QImage image(60, 80, QImage::Format_RGB32);
  image.fill(colour);
  const QString path = dir + QLatin1Char('/') + name;
  EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
  return path;
}

// The main window with the pupil pages, logged in as a super administrator.
class RecordsWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    school = std::make_unique<SchoolFixture>(db);
    students::registerRecordOperations(*window, state, prompt);
    pages = students::StudentPages::of(*window);
    ASSERT_NE(pages, nullptr);
    login(QStringLiteral("1111"));
  }

  std::unique_ptr<SchoolFixture> school;
  students::StudentPages* pages = nullptr;
};

}  // namespace sa::test
