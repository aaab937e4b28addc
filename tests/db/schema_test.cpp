// The installed schema and the demo school, loaded into the real server.
#include <QFile>

#include "tests/support/test_database.h"

namespace sa::test {
namespace {

class Schema : public DatabaseTest {
 protected:
  QStringList columnsOf(const QString& table) {
    QStringList out;
    db::Result r = db.query("show columns from `" + table + "`");
    EXPECT_TRUE(r) << db.lastError().toStdString();
    while (r.next()) out << r.value(QStringLiteral("Field"));
    return out;
  }
  QString charsetOf(const QString& table) {
    return scalar("select CCSA.character_set_name from information_schema.tables T join "
                  "information_schema.collation_character_set_applicability CCSA on "
                  "CCSA.collation_name = T.table_collation where T.table_schema='didododederaz' and T.table_name='" +
                  db.esc(table) + "'");
  }
  void loadDemo() {
    QFile f(QStringLiteral(SA_SQL_DIR "/demo.sql"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(db.executeScript(QString::fromUtf8(f.readAll()))) << db.lastError().toStdString();
  }
};

TEST_F(Schema, HasEveryTableInGbkWithItsFixedRows) {
  const QStringList tables = db.tables();
  for (const char* name : {"users", "offices", "record", "operatinglist", "db_version", "ftpserver", "学籍表", "毕业表",
                           "转退表", "班级表", "毕业时间表", "教员表", "退休表", "调离表", "教员记号表"}) {
    const QString t = QString::fromUtf8(name);
    SCOPED_TRACE(name);
    EXPECT_TRUE(tables.contains(t));
    EXPECT_EQ(charsetOf(t), QStringLiteral("gbk"));
  }
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from record where id=1")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from db_version where id=1")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from ftpserver where id=1")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 教员记号表")), QStringLiteral("1"));
}

TEST_F(Schema, TablesAPupilOrStaffMemberMovesBetweenHaveIdenticalColumns) {
  const QStringList pupils = columnsOf(QStringLiteral("学籍表"));
  ASSERT_TRUE(pupils.contains(QStringLiteral("PersonalCode")));
  ASSERT_TRUE(pupils.contains(QStringLiteral("Photo")));
  EXPECT_EQ(columnsOf(QStringLiteral("毕业表")), pupils);
  EXPECT_EQ(columnsOf(QStringLiteral("转退表")), pupils);
  const QStringList staff = columnsOf(QStringLiteral("教员表"));
  EXPECT_EQ(columnsOf(QStringLiteral("退休表")), staff);
  EXPECT_EQ(columnsOf(QStringLiteral("调离表")), staff);

  // A whole-row copy keeps the row, its ID and its picture.
  exec(QStringLiteral("insert into 学籍表 (PersonalCode, name, class) values ('7', '林小雨', '初中1年级1班')"));
  ASSERT_TRUE(db.executeWithBlob(QStringLiteral("update 学籍表 set Photo=? where PersonalCode='7'"),
                                 QByteArray("\x89PNG\0\x1a", 6)));
  exec(QStringLiteral("insert into 毕业表 select * from 学籍表 where PersonalCode='7'"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 毕业表 a join 学籍表 b on a.ID=b.ID and a.Photo=b.Photo "
                                  "and a.name=b.name")),
            QStringLiteral("1"));
}

TEST_F(Schema, DemoSchoolLoadsAndItsAccountsLogInOverTheGbkConnection) {
  loadDemo();
  if (HasFatalFailure()) return;
  EXPECT_GT(scalar(QStringLiteral("select count(*) from 学籍表")).toInt(), 1000);
  EXPECT_EQ(scalar(QStringLiteral("select count(distinct class) from 学籍表")), QStringLiteral("36"));
  for (const char* level : {"1111", "1110", "1100", "1000"}) {
    SCOPED_TRACE(level);
    const QString user = scalar(QStringLiteral("select User from users where Level='%1' limit 1").arg(level));
    ASSERT_FALSE(user.isEmpty());
    const QString statement = QStringLiteral(
        "select count(*) from users where User='%1' and PassWord=SHA1(CONCAT(UPPER('%1'),':',UPPER('123456')))");
    EXPECT_EQ(scalar(statement.arg(db.esc(user))), QStringLiteral("1"));
  }
}

}  // namespace
}  // namespace sa::test
