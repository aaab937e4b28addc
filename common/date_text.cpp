#include "common/date_text.h"

#include <QRegularExpression>

namespace sa {

QString dateText(const QDate& date) {
  if (!date.isValid() || date.year() < 1 || date.year() > 9999) return QString();
  return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QDate parseDateText(const QString& text) {
  // Numbers without leading zeros, nothing around them: the form every
  // workstation writes, so anything else is not one of our dates.
  static const QRegularExpression form(QStringLiteral("^([1-9][0-9]{0,3})年([1-9][0-9]?)月([1-9][0-9]?)日$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return QDate();
  // QDate(y, m, d) is invalid for impossible days such as 2月30日.
  return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

QString monthFolderText(const QDate& date) {
  if (!date.isValid()) return QString();
  return monthFolderText(date.year(), date.month());
}

QString monthFolderText(int year, int month) { return QStringLiteral("%1_%2").arg(year).arg(month); }

}  // namespace sa
