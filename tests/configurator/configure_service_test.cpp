#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "common/gbk.h"
#include "configurator/configure_service.h"
#include "tests/configurator/configurator_fixture.h"

namespace sa::configurator::test {
namespace {

using Kind = ui::ScriptedPrompt::Kind;
using ui::Icon;

const Entries kGood{QStringLiteral("db.school.local"), QStringLiteral("teacher"), QStringLiteral("Pa55word"),
                    QStringLiteral("http://www.myschool.edu.cn/sm/update.txt")};
const QString kSchool = QStringLiteral("东城第一中学");

class ConfigureServiceTest : public ConfiguratorTest {
 protected:
  // A service on the configuration page, as after the school name was taken.
  ConfigureService& ready() {
    service.start();
    service.agree();
    EXPECT_EQ(service.acceptSchoolName(kSchool).outcome, Outcome::Accepted);
    return service;
  }

  ConfigureService service{prompt, image};
};

TEST_F(ConfigureServiceTest, SchoolNameChecks) {
  service.start();
  Reply early = service.acceptSchoolName(kSchool);
  EXPECT_EQ(early.outcome, Outcome::WrongStage);
  EXPECT_EQ(early.page, Page::Agreement);
  EXPECT_TRUE(prompt.shown().empty());

  service.agree();
  struct Case {
    QString name;
    QString message;
  };
  const Case refused[] = {
      {QString(), QStringLiteral("   请填写您的学校名称")},
      {QStringLiteral("东城 一中"), QStringLiteral("   您的学校名称不能留空")},
      {QStringLiteral("东城一中\u3000"), QStringLiteral("   您的学校名称不能留空")},
      {QStringLiteral(" "), QStringLiteral("   您的学校名称不能留空")},
      {QStringLiteral("东城|一中"), QStringLiteral("   学校名称中不能有字符“|”")},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.name.toStdString());
    prompt.clear();
    const Reply r = service.acceptSchoolName(c.name);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.focus, Field::SchoolName);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.last().text, c.message);
    EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
    EXPECT_EQ(prompt.last().icon, Icon::None);
    EXPECT_EQ(service.stage(), 2);
  }

  prompt.clear();
  const Reply ok = service.acceptSchoolName(kSchool);
  EXPECT_EQ(ok.outcome, Outcome::Accepted);
  EXPECT_EQ(ok.page, Page::Configuration);
  EXPECT_EQ(service.stage(), 3);
  EXPECT_EQ(service.schoolName(), kSchool);
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(ConfigureServiceTest, ConfigureBeforeTheSchoolNameShowsTheSchoolPage) {
  service.start();
  service.agree();
  const Reply r = service.configure(kGood);
  EXPECT_EQ(r.outcome, Outcome::WrongStage);
  EXPECT_EQ(r.page, Page::School);
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(ConfigureServiceTest, FieldChecksInTheirOrder) {
  ready();
  const QString fullWidthSpace(QChar(0x3000));
  struct Case {
    const char* what;
    Entries entries;
    QString message;
    Field focus;
  };
  auto with = [](QString Entries::*field, const QString& value) {
    Entries e = kGood;
    e.*field = value;
    return e;
  };
  const Case cases[] = {
      {"server empty", with(&Entries::server, {}), QStringLiteral("  请详细填写服务器地址"), Field::Server},
      {"server space", with(&Entries::server, QStringLiteral("db school")), QStringLiteral("  服务器地址不能留空"),
       Field::Server},
      {"server full-width space", with(&Entries::server, QStringLiteral("db") + fullWidthSpace),
       QStringLiteral("  服务器地址不能留空"), Field::Server},
      {"server |", with(&Entries::server, QStringLiteral("db|x")), QStringLiteral("  服务器地址中不能有字符“|”"),
       Field::Server},
      {"user empty", with(&Entries::user, {}), QStringLiteral("  请详细填写MySQL用户名"), Field::User},
      {"user space", with(&Entries::user, QStringLiteral(" root")), QStringLiteral("  用户名不能留空"), Field::User},
      {"user |", with(&Entries::user, QStringLiteral("a|b")), QStringLiteral("  用户名中不能有字符“|”"), Field::User},
      {"password empty", with(&Entries::password, {}), QStringLiteral("  请详细填写MySQL用户密码"), Field::Password},
      {"password full-width space", with(&Entries::password, fullWidthSpace + QStringLiteral("123")),
       QStringLiteral("  密码不能留空"), Field::Password},
      {"password |", with(&Entries::password, QStringLiteral("12|3")), QStringLiteral("  密码中不能有字符“|”"),
       Field::Password},
      {"update list empty", with(&Entries::updateUrl, {}), QStringLiteral("  升级列表文件地址不能留空"),
       Field::UpdateUrl},
      {"update list space", with(&Entries::updateUrl, QStringLiteral("http://a/ b.txt")),
       QStringLiteral("  升级列表文件地址不能留空"), Field::UpdateUrl},
      {"update list |", with(&Entries::updateUrl, QStringLiteral("http://a/|")),
       QStringLiteral("  升级列表文件地址中不能有字符“|”"), Field::UpdateUrl},
      {"all empty: the server first", Entries{}, QStringLiteral("  请详细填写服务器地址"), Field::Server},
      {"user with a space before an empty password", Entries{kGood.server, QStringLiteral("r t"), {}, {}},
       QStringLiteral("  用户名不能留空"), Field::User},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompt.clear();
    prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
    const Reply r = service.configure(c.entries);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.focus, c.focus);
    ASSERT_EQ(prompt.shown().size(), 1u) << "no save dialog after a failed check";
    EXPECT_EQ(prompt.last().kind, Kind::Message);
    EXPECT_EQ(prompt.last().text, c.message);
    EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
    EXPECT_EQ(prompt.last().icon, Icon::Information);
  }
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
}

TEST_F(ConfigureServiceTest, CancelledSaveDialogEndsSilently) {
  ready();
  Entries tooLong = kGood;
  tooLong.server = QString(500, QLatin1Char('h'));
  for (const Entries& e : {kGood, tooLong}) {
    prompt.clear();
    prompt.choose(QString());
    EXPECT_EQ(service.configure(e).outcome, Outcome::Cancelled);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.last().kind, Kind::SaveFile);
    EXPECT_EQ(prompt.lastFilter(), QStringLiteral("可执行文件|*.exe"));
    EXPECT_EQ(prompt.lastSuffix(), QStringLiteral("exe"));
  }
  EXPECT_FALSE(exists(QStringLiteral("update.txt")));
}

TEST_F(ConfigureServiceTest, LengthAndZeroByteChecksComeAfterTheDialog) {
  ready();
  Entries tooLong = kGood;
  tooLong.updateUrl = QStringLiteral("http://a/") + QString(480, QLatin1Char('u'));  // plain record over 499
  Entries longCredentials = kGood;
  longCredentials.user = QString(495, QLatin1Char('u'));
  Entries zero = kGood;
  zero.password = passwordWithZeroInCipher(kGood.user);
  struct Case {
    const char* what;
    Entries entries;
    QString message;
    Field focus;
  };
  const Case cases[] = {
      {"plain record too long", tooLong, QStringLiteral("  字符太多了！"), Field::None},
      {"ciphertext too long", longCredentials, QStringLiteral("  字符太多了！"), Field::None},
      {"zero byte in the ciphertext", zero,
       QStringLiteral("  这组用户名和密码加密后含有零字节，配置好的软件读不出它们。\r\n  请换一个MySQL用户密码。"),
       Field::Password},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompt.clear();
    prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
    const Reply r = service.configure(c.entries);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.focus, c.focus);
    ASSERT_EQ(prompt.shown().size(), 2u);
    EXPECT_EQ(prompt.shown()[0].kind, Kind::SaveFile);
    EXPECT_EQ(prompt.last().text, c.message);
    EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
    EXPECT_EQ(prompt.last().icon, Icon::Exclamation);
  }
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
  EXPECT_FALSE(exists(QStringLiteral("update.txt")));
}

TEST_F(ConfigureServiceTest, NoAtTheConfirmationWritesNothing) {
  ready();
  prompt.choose(path(QStringLiteral("school.exe"))).answer(false);
  EXPECT_EQ(service.configure(kGood).outcome, Outcome::Declined);
  ASSERT_EQ(prompt.shown().size(), 2u);
  const auto& question = prompt.last();
  EXPECT_EQ(question.kind, Kind::YesNo);
  EXPECT_EQ(question.title, QStringLiteral("询问"));
  EXPECT_EQ(question.icon, Icon::None);
  EXPECT_EQ(question.text, QStringLiteral("  请校对配置：\r\n\r\n"
                                          "  MySQL服务器地址：db.school.local\r\n"
                                          "  MySQL用户名：teacher\r\n"
                                          "  MySQL用户密码：Pa55word\r\n"
                                          "升级配置文件列表地址：http://www.myschool.edu.cn/sm/update.txt\r\n\r\n"
                                          "  配置正确吗？"));
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
  EXPECT_FALSE(exists(QStringLiteral("update.txt")));
}

TEST_F(ConfigureServiceTest, YesWritesTheConfiguredExecutableThenTheTemplate) {
  ready();
  // An earlier file of that name is replaced.
  {
    QFile old(path(QStringLiteral("school.exe")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
  }
  prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
  EXPECT_EQ(service.configure(kGood).outcome, Outcome::Written);

  const QByteArray written = read(QStringLiteral("school.exe"));
  EXPECT_EQ(written.size(), image.size());
  EXPECT_EQ(settingsIn(QStringLiteral("school.exe")),
            (settings::Settings{kGood.server, kSchool, kGood.updateUrl, kGood.user, kGood.password}));
  EXPECT_TRUE(QFileInfo(path(QStringLiteral("school.exe"))).isExecutable());
  EXPECT_EQ(read(QStringLiteral("update.txt")), expectedUpdateTemplate());

  EXPECT_EQ(prompt.last().kind, Kind::Message);
  EXPECT_EQ(prompt.last().text, QStringLiteral("  配置成功"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("信息："));
  EXPECT_EQ(prompt.last().icon, Icon::Information);
}

TEST_F(ConfigureServiceTest, ASecondRunCarriesOnlyItsOwnValues) {
  ready();
  const Entries first{QStringLiteral("a-very-long-server-name.district.example.edu.cn"),
                      QStringLiteral("administrator"), QStringLiteral("first-password-1"),
                      QStringLiteral("http://updates.district.example.edu.cn/first/update.txt")};
  prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
  ASSERT_EQ(service.configure(first).outcome, Outcome::Written);

  ASSERT_EQ(service.acceptSchoolName(QStringLiteral("西城小学")).outcome, Outcome::Accepted);
  prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
  ASSERT_EQ(service.configure(kGood).outcome, Outcome::Written);

  const settings::Settings second{kGood.server, QStringLiteral("西城小学"), kGood.updateUrl, kGood.user,
                                  kGood.password};
  EXPECT_EQ(settingsIn(QStringLiteral("school.exe")), second);
  // Byte for byte a fresh copy: nothing of the longer first run is left.
  EXPECT_EQ(read(QStringLiteral("school.exe")), settings::writeSettings(image, second).image);
}

TEST_F(ConfigureServiceTest, FailedWriteIsReportedAndLeavesNoTemplate) {
  ready();
  prompt.choose(path(QStringLiteral("no-such-folder/school.exe"))).answer(true);
  EXPECT_EQ(service.configure(kGood).outcome, Outcome::WriteFailed);
  EXPECT_EQ(prompt.last().text, QStringLiteral("  配置失败"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("信息："));
  EXPECT_EQ(prompt.last().icon, Icon::Error);
  EXPECT_FALSE(exists(QStringLiteral("update.txt")));
}

TEST_F(ConfigureServiceTest, ImageWithoutTheSettingsAreasIsNotWritten) {
  ConfigureService broken(prompt, QByteArray(3000, 'x'));
  broken.start();
  broken.agree();
  broken.acceptSchoolName(kSchool);
  prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
  EXPECT_EQ(broken.configure(kGood).outcome, Outcome::WriteFailed);
  EXPECT_EQ(prompt.last().icon, Icon::Error);
  EXPECT_TRUE(prompt.last().text.startsWith(QStringLiteral("  配置失败")));
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
}

TEST_F(ConfigureServiceTest, ExampleAndListHelpBoxes) {
  service.showExample();
  service.showListHelp();
  ASSERT_EQ(prompt.shown().size(), 2u);
  for (const auto& box : prompt.shown()) {
    EXPECT_EQ(box.title, QStringLiteral("信息："));
    EXPECT_EQ(box.icon, Icon::None);
  }
  const QStringList example = prompt.shown()[0].text.split(QStringLiteral("\r\n"));
  ASSERT_EQ(example.size(), 6);
  EXPECT_EQ(example[0], QStringLiteral("例子"));
  EXPECT_EQ(example[1], QString());
  EXPECT_TRUE(example[2].contains(QRegularExpression(QStringLiteral("^服务器地址：\\S+ 或者 \\d+\\.\\d+\\.\\d+\\.\\d+$"))))
      << example[2].toStdString();
  EXPECT_EQ(example[3], QStringLiteral("数据库用户名：root"));
  EXPECT_TRUE(example[4].contains(QRegularExpression(QStringLiteral("^密码：\\d{6}$"))));
  EXPECT_TRUE(example[5].startsWith(QStringLiteral("列表文件地址：")));
  EXPECT_TRUE(example[5].endsWith(QStringLiteral("/mmmm/update.txt")));

  EXPECT_EQ(prompt.shown()[1].text,
            QStringLiteral("点配置校务管理软件后，会出来一个txt文件。把这个文件按修改后发送到升级网站，\r\n即列表文件地址。\r\n"
                           "第一行写版本号，如：0.24\r\n第二行写版本升级的说明。\r\n"
                           "第三行写需要升级的文件数目，必须是数字\r\n第四行写提供下载的zip压缩文件网络地址\r\n"
                           "（压缩文件必须是zip格式，否则无法自己升级。）"));
}

}  // namespace
}  // namespace sa::configurator::test
