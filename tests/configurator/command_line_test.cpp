#include <QFileInfo>
#include <cstdio>

#include "configurator/command_line.h"
#include "tests/configurator/configurator_fixture.h"

namespace sa::configurator::test {
namespace {

class CommandLineTest : public ConfiguratorTest {
 protected:
  struct Run {
    int code;
    QString out;
    QString err;
  };

  Run run(const QStringList& options) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Run r{runCommandLine(QStringList{QStringLiteral("configurator")} + options, image, out, err), {}, {}};
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
  }

  QStringList options(const QString& school, const QString& server, const QString& user, const QString& password,
                      const QString& url) const {
    return {QStringLiteral("--school"),     school,   QStringLiteral("--server"),     server,
            QStringLiteral("--user"),       user,     QStringLiteral("--password"),   password,
            QStringLiteral("--update-url"), url,      QStringLiteral("--output"),     path(QStringLiteral("school.exe"))};
  }

 private:
  static QString slurp(std::FILE* f) {
    std::rewind(f);
    QByteArray bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, qsizetype(n));
    std::fclose(f);
    return QString::fromLocal8Bit(bytes);
  }
};

const QString kUrl = QStringLiteral("http://www.myschool.edu.cn/sm/update.txt");

TEST_F(CommandLineTest, WritesTheConfiguredApplicationWithoutQuestions) {
  const Run r = run(options(QStringLiteral("东城第一中学"), QStringLiteral("db.school.local"), QStringLiteral("teacher"),
                            QStringLiteral("Pa55word"), kUrl));
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, QStringLiteral("  配置成功\n"));
  EXPECT_EQ(settingsIn(QStringLiteral("school.exe")),
            (settings::Settings{QStringLiteral("db.school.local"), QStringLiteral("东城第一中学"), kUrl,
                                QStringLiteral("teacher"), QStringLiteral("Pa55word")}));
  EXPECT_TRUE(QFileInfo(path(QStringLiteral("school.exe"))).isExecutable());
  EXPECT_EQ(read(QStringLiteral("update.txt")), expectedUpdateTemplate());
}

TEST_F(CommandLineTest, RefusesWithTheWindowsMessages) {
  const QString school = QStringLiteral("东城第一中学");
  struct Case {
    const char* what;
    QStringList options;
    QString err;
  };
  const Case cases[] = {
      {"school with a space, checked first",
       options(QStringLiteral("东城 一中"), {}, {}, {}, {}), QStringLiteral("   您的学校名称不能留空\n")},
      {"no school", options({}, QStringLiteral("db"), QStringLiteral("u"), QStringLiteral("p"), kUrl),
       QStringLiteral("   请填写您的学校名称\n")},
      {"server with a full-width space",
       options(school, QStringLiteral("db\u3000x"), QStringLiteral("u"), QStringLiteral("p"), kUrl),
       QStringLiteral("  服务器地址不能留空\n")},
      {"no password", options(school, QStringLiteral("db"), QStringLiteral("u"), {}, kUrl),
       QStringLiteral("  请详细填写MySQL用户密码\n")},
      {"update URL with a space", options(school, QStringLiteral("db"), QStringLiteral("u"), QStringLiteral("p"),
                                          QStringLiteral("http://a b")),
       QStringLiteral("  升级列表文件地址不能留空\n")},
      {"too long", options(school, QString(500, QLatin1Char('h')), QStringLiteral("u"), QStringLiteral("p"), kUrl),
       QStringLiteral("  字符太多了！\n")},
      {"zero byte in the ciphertext",
       options(school, QStringLiteral("db"), QStringLiteral("u"), passwordWithZeroInCipher(QStringLiteral("u")), kUrl),
       QStringLiteral("  这组用户名和密码加密后含有零字节，配置好的软件读不出它们。\r\n  请换一个MySQL用户密码。\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Run r = run(c.options);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, c.err);
    EXPECT_TRUE(r.out.isEmpty());
  }
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
  EXPECT_FALSE(exists(QStringLiteral("update.txt")));
}

TEST_F(CommandLineTest, BadOptionsAreUsageErrors) {
  const QStringList good = options(QStringLiteral("东城第一中学"), QStringLiteral("db"), QStringLiteral("u"),
                                   QStringLiteral("p"), kUrl);
  const QStringList cases[] = {
      good.mid(0, good.size() - 2),                                   // no --output
      good + QStringList{QStringLiteral("--port"), QStringLiteral("3306")},  // unknown option
      good + QStringList{QStringLiteral("extra")},                    // stray argument
      {QStringLiteral("--school")},                                   // value missing
  };
  for (const QStringList& c : cases) {
    SCOPED_TRACE(c.join(QLatin1Char(' ')).toStdString());
    const Run r = run(c);
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(r.err.isEmpty());
  }
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));

  const Run help = run({QStringLiteral("--help")});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.contains(QStringLiteral("--update-url")));
}

}  // namespace
}  // namespace sa::configurator::test
