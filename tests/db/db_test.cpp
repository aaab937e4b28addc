// The database layer against the real test server.
#include <QByteArray>

#include "common/gbk.h"
#include "tests/support/test_database.h"

namespace sa::test {
namespace {

class DbLayer : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    exec(QStringLiteral("create table t (ID int auto_increment primary key, Name varchar(60), "
                        "Note varchar(60) null, Photo longblob null) default charset=gbk"));
  }
  QString insertAndReadBack(const QString& value) {
    exec("insert into t (Name) values ('" + db.esc(value) + "')");
    return scalar("select Name from t where Name='" + db.esc(value) + "'");
  }
};

// A GBK character whose trail byte is the given ASCII byte, built from bytes so
// the test shows the exact sequence it is about.
QString gbkCharWithTrail(unsigned char lead, unsigned char trail) {
  const char bytes[] = {char(lead), char(trail), 0};
  return gbk::decode(QByteArray(bytes));
}

TEST_F(DbLayer, ChineseTextRoundTripsThroughGbkColumns) {
  const QString names[] = {QStringLiteral("张三"), QStringLiteral("欧阳修远"), QStringLiteral("高中2年级12班"),
                           QStringLiteral("全角　空格")};
  for (const QString& n : names) EXPECT_EQ(insertAndReadBack(n), n);
}

TEST_F(DbLayer, ListingInGbkOrderIsPinyinOrder) {
  for (const char* n : {"张伟", "安静", "李娜", "陈晨", "王芳"})
    exec(QStringLiteral("insert into t (Name) values ('%1')").arg(QString::fromUtf8(n)));
  db::Result r = db.query(
      QStringLiteral("select Name from t order by convert (Name  USING gbk)  COLLATE  gbk_chinese_ci"));
  ASSERT_TRUE(r);
  QStringList order;
  while (r.next()) order << r.value(QStringLiteral("name"));
  EXPECT_EQ(order.join(','), QStringLiteral("安静,陈晨,李娜,王芳,张伟"));
}

TEST_F(DbLayer, TypedValuesAreStoredExactlyAndNeverChangeAStatement) {
  const QString cases[] = {
      QStringLiteral("O'Brien"),
      QStringLiteral("back\\slash\\"),
      QStringLiteral("100%_done"),
      QStringLiteral("x' or '1'='1"),
      QStringLiteral("'; drop table t; --"),
      QStringLiteral("\"double\""),
      // GBK characters whose second byte is '\\' (0x5C): escaping must not split them.
      gbkCharWithTrail(0xBF, 0x5C) + gbkCharWithTrail(0x95, 0x5C) + QStringLiteral("'"),
  };
  ASSERT_EQ(gbk::encode(gbkCharWithTrail(0xBF, 0x5C)), QByteArray("\xBF\x5C"));
  for (const QString& v : cases) {
    SCOPED_TRACE(v.toStdString());
    EXPECT_EQ(insertAndReadBack(v), v);
  }
  // Raw bytes BF 27 are no GBK character: the lone lead byte cannot swallow the
  // quote after it, which stays escaped (the lead byte itself is stored as '?').
  EXPECT_EQ(insertAndReadBack(gbk::decode(QByteArray("\xBF\x27 or 1=1 -- "))), QStringLiteral("?' or 1=1 -- "));
  // A hostile value as a condition matches nothing that is not literally equal.
  exec(QStringLiteral("insert into t (Name) values ('innocent')"));
  EXPECT_EQ(scalar("select count(*) from t where Name='" + db.esc(QStringLiteral("x' or '1'='1")) + "'"),
            QStringLiteral("1"));
  // '%' stays a wildcard where a caller uses like on purpose.
  EXPECT_EQ(scalar("select count(*) from t where Name like '" + db.esc(QStringLiteral("100%")) + "'"),
            QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from t")), QString::number(std::size(cases) + 2));
}

TEST_F(DbLayer, ResultReadsByNameOrIndexAndTellsNullFromEmpty) {
  exec(QStringLiteral("insert into t (Name, Note) values ('甲', ''), ('乙', null)"));
  db::Result r = db.query(QStringLiteral("select ID, Name, Note from t order by ID"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.rowCount(), 2);
  EXPECT_EQ(r.columnCount(), 3);
  EXPECT_EQ(r.columnIndex(QStringLiteral("NOTE")), 2);
  EXPECT_EQ(r.columnIndex(QStringLiteral("missing")), -1);
  // A fresh result stands on its first row.
  EXPECT_EQ(r.value(QStringLiteral("name")), QStringLiteral("甲"));
  EXPECT_FALSE(r.isNull(QStringLiteral("Note")));
  ASSERT_TRUE(r.seek(1));
  EXPECT_EQ(r.value(1), QStringLiteral("乙"));
  EXPECT_TRUE(r.isNull(QStringLiteral("Note")));
  EXPECT_EQ(r.value(QStringLiteral("Note")), QString());
  EXPECT_FALSE(r.seek(2));
  EXPECT_EQ(r.value(0), QString());

  QStringList all;
  r.seek(0);
  db::Result again = db.query(QStringLiteral("select Name from t order by ID"));
  while (again.next()) all << again.value(0);
  EXPECT_EQ(all.join(','), QStringLiteral("甲,乙"));
}

TEST_F(DbLayer, FailuresAreReportedNotSwallowed) {
  EXPECT_FALSE(db.execute(QStringLiteral("insert into no_such_table values (1)")));
  EXPECT_TRUE(db.lastError().contains(QStringLiteral("no_such_table"))) << db.lastError().toStdString();
  EXPECT_NE(db.lastErrno(), 0u);
  db::Result r = db.query(QStringLiteral("select * from no_such_table"));
  EXPECT_FALSE(r);
  EXPECT_FALSE(db.lastError().isEmpty());
  // The next good statement clears the error.
  EXPECT_TRUE(db.execute(QStringLiteral("insert into t (Name) values ('ok')")));
  EXPECT_TRUE(db.lastError().isEmpty());

  db::Connection refused;
  db::ConnectionParams p = serverParams(QStringLiteral("didododederaz"));
  p.password = QStringLiteral("wrong password");
  EXPECT_FALSE(refused.open(p));
  EXPECT_FALSE(refused.isOpen());
  EXPECT_FALSE(refused.lastError().isEmpty());
  EXPECT_FALSE(refused.execute(QStringLiteral("select 1")));
  EXPECT_FALSE(refused.query(QStringLiteral("select 1")));
}

TEST_F(DbLayer, PictureBytesRoundTripUnchanged) {
  QByteArray picture;
  for (int i = 0; i < 4096; ++i) picture.append(char(i * 37 % 256));
  picture.prepend(QByteArray("GIF89a\0'\\\"", 10));
  exec(QStringLiteral("insert into t (Name) values ('相片')"));
  ASSERT_TRUE(db.executeWithBlob(QStringLiteral("update t set Photo=? where Name='相片'"), picture))
      << db.lastError().toStdString();
  db::Result r = db.query(QStringLiteral("select Photo from t where Name='相片'"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.bytes(QStringLiteral("Photo")), picture);
}

TEST_F(DbLayer, TablesAndDatabasesAreListedAndSelected) {
  EXPECT_TRUE(db.tables().contains(QStringLiteral("t")));
  EXPECT_TRUE(db.tables().contains(QStringLiteral("学籍表")));
  EXPECT_FALSE(db.selectDatabase(QStringLiteral("no_such_database")));
  exec(QStringLiteral("create database if not exists sa_other default character set gbk"));
  EXPECT_TRUE(db.selectDatabase(QStringLiteral("sa_other")));
  EXPECT_FALSE(db.tables().contains(QStringLiteral("t")));
  exec(QStringLiteral("drop database sa_other"));
}

TEST_F(DbLayer, TransactionRollsBackUnlessCommitted) {
  {
    db::Transaction tx(db);
    ASSERT_TRUE(tx.started());
    exec(QStringLiteral("insert into t (Name) values ('lost')"));
  }
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from t")), QStringLiteral("0"));
  {
    db::Transaction tx(db);
    exec(QStringLiteral("insert into t (Name) values ('kept')"));
    EXPECT_TRUE(tx.commit());
  }
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from t")), QStringLiteral("1"));
}

}  // namespace
}  // namespace sa::test
