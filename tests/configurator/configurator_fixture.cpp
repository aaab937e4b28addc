#include "tests/configurator/configurator_fixture.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "common/gbk.h"

namespace sa::configurator::test {

QByteArray smallAppImage() {
  return QByteArray("\x7f" "ELF code and data ", 19) + QByteArray(500, 'A') + '\0' + QByteArray(500, 'B') + '\0' +
         QByteArray("more data at the end");
}

QByteArray expectedUpdateTemplate() {
  return gbk::encode(QStringLiteral("第一行文件版本号 如：0.21\r\n"
                                    "第二行升级内容描述 如： 为什么升级的原因或升级了什么\r\n"
                                    "第三行更新文件个数 如：2\r\n"
                                    "第四行写zip打包文件地址 如：http://www.myschool.edu.cn/sm/update.zip"));
}

QString passwordWithZeroInCipher(const QString& user) {
  settings::Settings s;
  s.user = user;
  for (int i = 100000; i < 999999; ++i) {
    s.password = QString::number(i);
    if (settings::encipheredCredentials(s).contains('\0')) return s.password;
  }
  ADD_FAILURE() << "no such password";
  return {};
}

void ConfiguratorTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  previousDir_ = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
}

void ConfiguratorTest::TearDown() { QDir::setCurrent(previousDir_); }

bool ConfiguratorTest::exists(const QString& name) const { return QFile::exists(path(name)); }

QByteArray ConfiguratorTest::read(const QString& name) const {
  QFile f(path(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

settings::Settings ConfiguratorTest::settingsIn(const QString& name) const {
  return settings::readSettingsAt(read(name), settings::findAreas(smallAppImage()));
}

}  // namespace sa::configurator::test
