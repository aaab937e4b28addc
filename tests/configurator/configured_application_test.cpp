// The Configurator as built, with the application image of the same build:
// the configured copy it writes must carry, and itself read back, the values.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "settings/settings_block.h"

namespace sa::settings {
namespace {

const QString kConfigurator = QStringLiteral(SA_CONFIGURATOR_PATH);
const QString kApplication = QStringLiteral(SA_APPLICATION_PATH);

QByteArray slurp(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Finished {
  int code = -1;
  QByteArray out;
  QByteArray err;
};

Finished runProgram(const QString& program, const QStringList& args, const QString& dir = {}) {
  QProcess p;
  p.setWorkingDirectory(dir);
  p.start(program, args);
  if (!p.waitForFinished(60000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

QStringList printed(const Finished& f) {
  QStringList lines = QString::fromUtf8(f.out).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  return lines;
}

TEST(ConfiguredApplication, UnconfiguredImageHoldsOneBlockAndReadsTheFallbacks) {
  const QByteArray app = slurp(kApplication);
  ASSERT_FALSE(app.isEmpty());
  const AreaOffsets at = findAreas(app);
  ASSERT_TRUE(at.found());
  EXPECT_EQ(at.credential, at.plain + 501) << "the two areas must be one 1002-byte constant";
  EXPECT_EQ(app[at.plain + 500], '\0');
  EXPECT_EQ(app[at.credential + 500], '\0');
  // The Configurator carries this very image.
  EXPECT_GE(slurp(kConfigurator).indexOf(app), 0);

  const Finished f = runProgram(kApplication, {QStringLiteral("--print-settings")});
  EXPECT_EQ(f.code, 0);
  EXPECT_EQ(printed(f), (QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("Quorlan示范学校"), QString(),
                                     QStringLiteral("root"), QStringLiteral("514")}));
}

TEST(ConfiguredApplication, CommandLineWritesARunnableConfiguredCopy) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const Settings wanted{QStringLiteral("db.school.local"), QStringLiteral("東城第一中学"),
                        QStringLiteral("http://www.myschool.edu.cn/sm/update.txt"), QStringLiteral("teacher"),
                        QStringLiteral("Pa55word")};
  const QString output = dir.filePath(QStringLiteral("校务管理.exe"));
  const Finished f = runProgram(kConfigurator,
                                {QStringLiteral("--school"), wanted.school, QStringLiteral("--server"), wanted.server,
                                 QStringLiteral("--user"), wanted.user, QStringLiteral("--password"), wanted.password,
                                 QStringLiteral("--update-url"), wanted.updateUrl, QStringLiteral("--output"), output},
                                dir.path());
  ASSERT_EQ(f.code, 0) << f.err.toStdString();
  EXPECT_TRUE(QFileInfo(output).isExecutable());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("update.txt"))));

  const QByteArray app = slurp(kApplication);
  const QByteArray configured = slurp(output);
  EXPECT_EQ(configured.size(), app.size());
  EXPECT_EQ(readSettingsAt(configured, findAreas(app)), wanted);

  const Finished self = runProgram(output, {QStringLiteral("--print-settings")});
  EXPECT_EQ(self.code, 0);
  EXPECT_EQ(printed(self), (QStringList{wanted.server, wanted.school, wanted.updateUrl, wanted.user, wanted.password}));
}

TEST(ConfiguredApplication, CommandLineRefusalWritesNothing) {
  QTemporaryDir dir;
  const QString output = dir.filePath(QStringLiteral("school.exe"));
  const Finished f = runProgram(kConfigurator,
                                {QStringLiteral("--school"), QStringLiteral("东城一中"), QStringLiteral("--server"),
                                 QStringLiteral("db"), QStringLiteral("--user"), QStringLiteral("root"),
                                 QStringLiteral("--password"), QStringLiteral("12 3"), QStringLiteral("--update-url"),
                                 QStringLiteral("http://a/update.txt"), QStringLiteral("--output"), output},
                                dir.path());
  EXPECT_EQ(f.code, 1);
  EXPECT_EQ(QString::fromUtf8(f.err), QStringLiteral("  密码不能留空\n"));
  EXPECT_FALSE(QFile::exists(output));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("update.txt"))));
}

}  // namespace
}  // namespace sa::settings
