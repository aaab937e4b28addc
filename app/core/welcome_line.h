#pragma once
// The welcome line of the status bar's third part.
#include <QDate>
#include <QString>

namespace sa::core {

// "        欢迎使用<school>校务管理系统！ 今天是<date>  星期<weekday>"; the
// school name is left out after a return to the main screen (pass "").
QString welcomeLine(const QString& schoolName, const QDate& date);

// The current-state text of the main screen.
inline QString mainScreenStatus() { return QStringLiteral("    当前状态：请选择操作"); }

}  // namespace sa::core
