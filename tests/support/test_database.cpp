#include "tests/support/test_database.h"

#include <QFile>
#include <QProcessEnvironment>

#include "common/gbk.h"

namespace sa::test {

namespace {
QString env(const char* name, const QString& fallback) {
  const QString v = qEnvironmentVariable(name);
  return v.isEmpty() ? fallback : v;
}

QString schemaText() {
  QFile f(QStringLiteral(SA_SQL_DIR "/schema.sql"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}
}  // namespace

db::ConnectionParams serverParams(const QString& database) {
  db::ConnectionParams p;
  p.host = env("SA_TEST_DB_HOST", QStringLiteral("127.0.0.1"));
  p.port = env("SA_TEST_DB_PORT", QStringLiteral("3306")).toUInt();
  p.user = env("SA_TEST_DB_USER", QStringLiteral("root"));
  p.password = env("SA_TEST_DB_PASSWORD", QStringLiteral("schooladmin-root"));
  p.database = database;
  return p;
}

void installFreshSchema() {
  db::Connection admin;
  ASSERT_TRUE(admin.open(serverParams()))
      << "cannot reach the test server (run the tests through scripts/test.sh): "
      << admin.lastError().toStdString();
  ASSERT_TRUE(admin.execute(QStringLiteral("drop database if exists didododederaz")))
      << admin.lastError().toStdString();
  ASSERT_TRUE(admin.execute(QStringLiteral("create database didododederaz default character set gbk")))
      << admin.lastError().toStdString();
  ASSERT_TRUE(admin.selectDatabase(QStringLiteral("didododederaz")));
  const QString schema = schemaText();
  ASSERT_FALSE(schema.isEmpty()) << "sql/schema.sql not found";
  ASSERT_TRUE(admin.executeScript(schema)) << admin.lastError().toStdString();
}

void DatabaseTest::SetUp() {
  installFreshSchema();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(db.open(serverParams(QStringLiteral("didododederaz")))) << db.lastError().toStdString();
}

void DatabaseTest::exec(const QString& sql) {
  ASSERT_TRUE(db.execute(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
}

QString DatabaseTest::scalar(const QString& sql) {
  db::Result r = db.query(sql);
  EXPECT_TRUE(r.ok()) << sql.toStdString() << ": " << db.lastError().toStdString();
  return r.rowCount() > 0 ? r.value(0) : QString();
}

}  // namespace sa::test
