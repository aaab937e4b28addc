#include "app/core/welcome_line.h"

#include "common/chinese_numerals.h"
#include "common/date_text.h"

namespace sa::core {

QString welcomeLine(const QString& schoolName, const QDate& date) {
  return QStringLiteral("        欢迎使用") + schoolName + QStringLiteral("校务管理系统！ 今天是") + dateText(date) +
         QStringLiteral("  星期") + chineseWeekday(date);
}

}  // namespace sa::core
