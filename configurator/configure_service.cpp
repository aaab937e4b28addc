#include "configurator/configure_service.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <utility>

#include "common/gbk.h"
#include "common/spaces.h"
#include "common/whole_file.h"
#include "settings/settings_block.h"

namespace sa::configurator {

namespace {

using ui::Icon;

const QString kHint = QStringLiteral("提示");

// The templates and examples point at a made-up school web site.
const QString kExampleSite = QStringLiteral("http://www.myschool.edu.cn");

struct FieldCheck {
  Field field;
  const QString* value;
  QString whenEmpty;
  QString whenSpaces;
  QString whenSeparator;
};

bool writeExecutable(const QString& path, const QByteArray& image) {
  if (!writeWholeFile(path, image)) return false;
  // The copy must run like the application it came from.
  const QFile::Permissions exec = QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
  return QFile::setPermissions(path, QFile::permissions(path) | exec);
}

Reply ended(Outcome outcome) { return {outcome, std::nullopt, Field::None}; }

}  // namespace

ConfigureService::ConfigureService(ui::Prompt& prompt, QByteArray appImage)
    : prompt_(prompt), image_(std::move(appImage)) {}

void ConfigureService::start() { stage_ = 1; }

void ConfigureService::agree() { stage_ = 2; }

Reply ConfigureService::refuse(const QString& text, Field field, Icon icon) {
  prompt_.message(text, kHint, icon);
  return {Outcome::Refused, std::nullopt, field};
}

Reply ConfigureService::acceptSchoolName(const QString& text) {
  if (stage_ < 2) return {Outcome::WrongStage, Page::Agreement, Field::None};
  if (text.isEmpty()) return refuse(QStringLiteral("   请填写您的学校名称"), Field::SchoolName, Icon::None);
  if (containsSpaces(text)) return refuse(QStringLiteral("   您的学校名称不能留空"), Field::SchoolName, Icon::None);
  // A "|" would split the stored record, and the configured application would
  // quietly lose its settings.
  if (text.contains(QLatin1Char('|')))
    return refuse(QStringLiteral("   学校名称中不能有字符“|”"), Field::SchoolName, Icon::None);
  schoolName_ = removeSpaces(text);
  stage_ = 3;
  return {Outcome::Accepted, Page::Configuration, Field::None};
}

Reply ConfigureService::configure(const Entries& e) {
  if (stage_ < 3) return {Outcome::WrongStage, Page::School, Field::None};

  const FieldCheck checks[] = {
      {Field::Server, &e.server, QStringLiteral("  请详细填写服务器地址"), QStringLiteral("  服务器地址不能留空"),
       QStringLiteral("  服务器地址中不能有字符“|”")},
      {Field::User, &e.user, QStringLiteral("  请详细填写MySQL用户名"), QStringLiteral("  用户名不能留空"),
       QStringLiteral("  用户名中不能有字符“|”")},
      {Field::Password, &e.password, QStringLiteral("  请详细填写MySQL用户密码"), QStringLiteral("  密码不能留空"),
       QStringLiteral("  密码中不能有字符“|”")},
      {Field::UpdateUrl, &e.updateUrl, QStringLiteral("  升级列表文件地址不能留空"),
       QStringLiteral("  升级列表文件地址不能留空"), QStringLiteral("  升级列表文件地址中不能有字符“|”")},
  };
  for (const FieldCheck& c : checks) {
    if (c.value->isEmpty()) return refuse(c.whenEmpty, c.field);
    if (containsSpaces(*c.value)) return refuse(c.whenSpaces, c.field);
    if (c.value->contains(QLatin1Char('|'))) return refuse(c.whenSeparator, c.field);
  }

  const QString file = prompt_.saveFile(QStringLiteral("保存校务管理软件"), QStringLiteral("可执行文件|*.exe"),
                                        QStringLiteral("exe"));
  if (file.isEmpty()) return ended(Outcome::Cancelled);

  const settings::Settings values{e.server, schoolName_, e.updateUrl, e.user, e.password};
  switch (settings::checkRecords(values)) {
    case settings::WriteStatus::PlainTooLong:
    case settings::WriteStatus::CipherTooLong:
      return refuse(QStringLiteral("  字符太多了！"), Field::None, Icon::Exclamation);
    case settings::WriteStatus::CipherHasZeroByte:
      // The stored ciphertext ends at its first zero byte, so the application
      // could not read these credentials back; another password avoids it.
      return refuse(QStringLiteral("  这组用户名和密码加密后含有零字节，配置好的软件读不出它们。\r\n"
                                   "  请换一个MySQL用户密码。"),
                    Field::Password, Icon::Exclamation);
    case settings::WriteStatus::Written:
    case settings::WriteStatus::AreaMissing:
      break;
  }

  const settings::WriteResult configured = settings::writeSettings(image_, values);
  if (!configured.ok()) {
    prompt_.message(QStringLiteral("  配置失败：软件映像中找不到设置区"), {}, Icon::Error);
    return ended(Outcome::WriteFailed);
  }

  if (askConfirmation_ && !prompt_.askYesNo(confirmationText(e), QStringLiteral("询问"), Icon::None))
    return ended(Outcome::Declined);

  if (!writeExecutable(file, configured.image)) {
    prompt_.message(QStringLiteral("  配置失败"), {}, Icon::Error);
    return ended(Outcome::WriteFailed);
  }
  // Only a template for the school's web site: a failure here is not reported.
  (void)writeWholeFile(QDir::current().filePath(QStringLiteral("update.txt")), updateListTemplate());
  prompt_.message(QStringLiteral("  配置成功"), {}, Icon::Information);
  return ended(Outcome::Written);
}

void ConfigureService::showExample() { prompt_.message(exampleText()); }

void ConfigureService::showListHelp() { prompt_.message(listHelpText()); }

QString agreementText() {
  return QStringLiteral(
      "Quorlan校务管理软件使用协议\n"
      "\n"
      "一、本软件供学校内部管理学籍、成绩、教职工与工资等校务资料使用。\n"
      "二、使用本软件前，请先安装并启动MySQL数据库服务器，建立数据库didododederaz，"
      "并为本软件准备一个MySQL用户。\n"
      "三、配置器把学校名称、服务器地址、MySQL用户名和密码写入生成的校务管理软件中。"
      "请妥善保管生成的软件，不要把它交给校外人员。\n"
      "四、学校对本软件中录入的全部资料负责，请定期备份数据库。"
      "因停电、硬件故障或误操作造成的资料损失，本软件作者不承担责任。\n"
      "五、不得利用本软件收集、泄露学生和教职工的个人信息。\n"
      "\n"
      "如果您同意以上条款，请点“同意协议”继续；否则请点“退出”。");
}

QString exampleText() {
  return QStringLiteral("例子\r\n\r\n"
                        "服务器地址：server.myschool.edu.cn 或者 192.168.1.10\r\n"
                        "数据库用户名：root\r\n"
                        "密码：846213\r\n"
                        "列表文件地址：") +
         kExampleSite + QStringLiteral("/mmmm/update.txt");
}

QString listHelpText() {
  return QStringLiteral("点配置校务管理软件后，会出来一个txt文件。把这个文件按修改后发送到升级网站，\r\n"
                        "即列表文件地址。\r\n"
                        "第一行写版本号，如：0.24\r\n"
                        "第二行写版本升级的说明。\r\n"
                        "第三行写需要升级的文件数目，必须是数字\r\n"
                        "第四行写提供下载的zip压缩文件网络地址\r\n"
                        "（压缩文件必须是zip格式，否则无法自己升级。）");
}

QString updateListHint() { return QStringLiteral("如：") + kExampleSite + QStringLiteral("/sm/update.txt"); }

QString confirmationText(const Entries& e) {
  return QStringLiteral("  请校对配置：\r\n\r\n  MySQL服务器地址：") + e.server + QStringLiteral("\r\n  MySQL用户名：") +
         e.user + QStringLiteral("\r\n  MySQL用户密码：") + e.password + QStringLiteral("\r\n升级配置文件列表地址：") +
         e.updateUrl + QStringLiteral("\r\n\r\n  配置正确吗？");
}

QByteArray updateListTemplate() {
  const QStringList lines = {
      QStringLiteral("第一行文件版本号 如：0.21"),
      QStringLiteral("第二行升级内容描述 如： 为什么升级的原因或升级了什么"),
      QStringLiteral("第三行更新文件个数 如：2"),
      QStringLiteral("第四行写zip打包文件地址 如：") + kExampleSite + QStringLiteral("/sm/update.zip"),
  };
  return gbk::encode(lines.join(QStringLiteral("\r\n")));
}

}  // namespace sa::configurator
