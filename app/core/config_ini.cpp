#include "app/core/config_ini.h"

#include <QFileInfo>

#include "app/core/app_state.h"
#include "common/ini_file.h"

namespace sa::core {

namespace {

struct Default {
  const char* section;
  const char* key;
  const char* value;
};

// The keys written when the file is created, in this order.
constexpr Default kCreated[] = {
    {"Interface", "Style", "0"},
    {"Wages", "工资表一", "教员工资表"},
    {"Wages", "工资表二", "教员工资表"},
    {"Wages", "工资表三", "教员工资表"},
    {"Wages", "工资表四", "教员工资表"},
    {"Wages", "工资表五", "教员工资表"},
    {"Subjects", "Number", "10"},
    {"班级分类", "分类1", "理本"},
    {"班级分类", "分类2", "理专"},
    {"班级分类", "分类3", "文本"},
    {"班级分类", "分类4", "文专"},
    {"班级分类", "分类5", "艺术"},
    {"班级分类", "分类6", "体育"},
    {"班级分类", "分类7", "其他"},
    {"班级分类", "分类8", "其他1"},
    {"优秀分数", "分数", "85"},
};

}  // namespace

int clampSubjectCount(const QString& text) {
  // Read like atoi: leading digits count, anything else reads as 0.
  bool ok = false;
  long long n = text.trimmed().toLongLong(&ok);
  if (!ok) {
    QString digits;
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) digits += t[i++];
    while (i < t.size() && t[i].isDigit()) digits += t[i++];
    n = digits.toLongLong(&ok);
    if (!ok) n = 0;
  }
  if (n > 13) return 13;
  if (n < 10) return 10;
  return int(n);
}

StartupConfig prepareConfigIni(const QString& path, const QString& schoolName, const QString& exeName,
                               qulonglong windowHandle) {
  IniFile ini(path);
  if (!QFileInfo::exists(path)) {
    ini.write(QStringLiteral("School"), QStringLiteral("Name"), schoolName);
    for (const Default& d : kCreated)
      ini.write(QString::fromUtf8(d.section), QString::fromUtf8(d.key), QString::fromUtf8(d.value));
  }
  ini.write(QStringLiteral("Window"), QStringLiteral("hwnd"), QString::number(windowHandle));
  ini.write(QStringLiteral("OpenIcon"), QStringLiteral("Icon"), exeName);
  ini.write(QStringLiteral("Edition"), QStringLiteral("Edition"), QString::fromLatin1(kVersion));

  StartupConfig c;
  c.interfaceStyle = ini.read(QStringLiteral("Interface"), QStringLiteral("Style"), QStringLiteral("0")).toInt();
  c.subjectCount = clampSubjectCount(ini.read(QStringLiteral("Subjects"), QStringLiteral("Number"), QStringLiteral("10")));
  c.floatingWindowShown =
      ini.read(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"), QStringLiteral("0")) ==
      QLatin1String("1");
  return c;
}

}  // namespace sa::core
