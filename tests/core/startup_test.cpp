// Start-up: config.ini, the settings fall-back and the server address.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/core/config_ini.h"
#include "app/core/startup_steps.h"
#include "common/gbk.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"

namespace sa::core {
namespace {

QStringList keyLines(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QStringList out;
  for (const QString& line : gbk::decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
    out << line;
  return out;
}

TEST(ConfigIni, CreatedWithTheDefaultsInOrder) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("config.ini"));
  const StartupConfig c = prepareConfigIni(path, QStringLiteral("实验中学"), QStringLiteral("schooladmin"), 4242);
  EXPECT_EQ(c.subjectCount, 10);
  EXPECT_EQ(c.interfaceStyle, 0);
  EXPECT_FALSE(c.floatingWindowShown);
  const QStringList expected = {
      "[School]", "Name=实验中学", "[Interface]", "Style=0", "[Wages]", "工资表一=教员工资表",
      "工资表二=教员工资表", "工资表三=教员工资表", "工资表四=教员工资表", "工资表五=教员工资表",
      "[Subjects]", "Number=10", "[班级分类]", "分类1=理本", "分类2=理专", "分类3=文本", "分类4=文专",
      "分类5=艺术", "分类6=体育", "分类7=其他", "分类8=其他1", "[优秀分数]", "分数=85",
      "[Window]", "hwnd=4242", "[OpenIcon]", "Icon=schooladmin", "[Edition]", "Edition=0.514"};
  EXPECT_EQ(keyLines(path), expected);
}

TEST(ConfigIni, PerStartKeysRewrittenWhenTheFileExists) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("config.ini"));
  IniFile ini(path);
  ini.write(QStringLiteral("School"), QStringLiteral("Name"), QStringLiteral("旧校名"));
  ini.write(QStringLiteral("Window"), QStringLiteral("hwnd"), QStringLiteral("1"));
  ini.write(QStringLiteral("Edition"), QStringLiteral("Edition"), QStringLiteral("0.1"));
  ini.write(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"), QStringLiteral("1"));
  ini.write(QStringLiteral("Interface"), QStringLiteral("Style"), QStringLiteral("2"));

  const StartupConfig c = prepareConfigIni(path, QStringLiteral("新校名"), QStringLiteral("app2"), 77);
  EXPECT_EQ(ini.read(QStringLiteral("Window"), QStringLiteral("hwnd")), QStringLiteral("77"));
  EXPECT_EQ(ini.read(QStringLiteral("OpenIcon"), QStringLiteral("Icon")), QStringLiteral("app2"));
  EXPECT_EQ(ini.read(QStringLiteral("Edition"), QStringLiteral("Edition")), QStringLiteral("0.514"));
  // An existing file is not filled with defaults again.
  EXPECT_EQ(ini.read(QStringLiteral("School"), QStringLiteral("Name")), QStringLiteral("旧校名"));
  EXPECT_EQ(ini.read(QStringLiteral("Subjects"), QStringLiteral("Number"), QStringLiteral("missing")),
            QStringLiteral("missing"));
  EXPECT_TRUE(c.floatingWindowShown);
  EXPECT_EQ(c.interfaceStyle, 2);
  EXPECT_EQ(c.subjectCount, 10);  // missing key reads with its default
}

TEST(ConfigIni, SubjectCountIsClampedToTenThroughThirteen) {
  const struct {
    const char* text;
    int count;
  } cases[] = {{"20", 13}, {"13", 13}, {"12", 12}, {"10", 10}, {"9", 10}, {"5", 10},
               {"abc", 10}, {"", 10}, {"-3", 10}, {"11abc", 11}, {" 12 ", 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(clampSubjectCount(QString::fromUtf8(c.text)), c.count);
  }
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("config.ini"));
  IniFile(path).write(QStringLiteral("Subjects"), QStringLiteral("Number"), QStringLiteral("20"));
  EXPECT_EQ(prepareConfigIni(path, {}, {}, 0).subjectCount, 13);
}

TEST(StartupSettings, UnconfiguredBlockFallsBackToTheLocalServer) {
  std::string plain(500, 'A');
  std::string credentials(500, 'B');
  AppState state;
  takeSettings(state, settings::readSettings(plain.c_str(), credentials.c_str()));
  EXPECT_EQ(resolveToIPv4(state.serverAddress), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(state.mysqlUser, QStringLiteral("root"));
  EXPECT_EQ(state.schoolName, settings::fallbackSchoolName());
}

TEST(StartupSettings, ServerNamesResolveToDottedAddresses) {
  const struct {
    const char* host;
    const char* resolved;
  } cases[] = {{"localhost", "127.0.0.1"}, {"127.0.0.1", "127.0.0.1"}, {"10.1.2.3", "10.1.2.3"},
               {"no-such-host.invalid", "no-such-host.invalid"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(resolveToIPv4(QString::fromLatin1(c.host)), QString::fromLatin1(c.resolved));
  }
}

TEST(StartupFiles, BannerIsWrittenOnceAndFoldersCreated) {
  test::qtApp();  // the banner is drawn with fonts
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir dir;
  ASSERT_TRUE(writeBannerOnce(dir.path()));
  const QString banner = dir.filePath(QStringLiteral("Banner.dat"));
  ASSERT_TRUE(QFile::exists(banner));
  // A banner the school replaced is kept.
  QFile f(banner);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("own banner");
  f.close();
  ASSERT_TRUE(writeBannerOnce(dir.path()));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("own banner"));
  createFolders(dir.path());
  EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("skn"))).exists());
}

}  // namespace
}  // namespace sa::core
