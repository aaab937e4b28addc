#include "common/chinese_numerals.h"

namespace sa {
namespace {

const char16_t kDigits[] = u"零一二三四五六七八九";

// 1..9999 in full: 一千零五, 一百一十, 二十.
QString belowTenThousand(int n) {
  static const char16_t kUnits[] = {u'千', u'百', u'十', 0};
  const int parts[] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
  QString out;
  bool pendingZero = false;
  for (int i = 0; i < 4; ++i) {
    if (parts[i] == 0) {
      pendingZero = !out.isEmpty();
      continue;
    }
    if (pendingZero) out += QChar(kDigits[0]);
    pendingZero = false;
    out += QChar(kDigits[parts[i]]);
    if (kUnits[i]) out += QChar(kUnits[i]);
  }
  return out;
}

}  // namespace

QString chineseNumeral(long long number) {
  if (number < 0 || number > 99999999) return QString::number(number);
  if (number == 0) return QString(QChar(kDigits[0]));
  const int high = int(number / 10000);
  const int low = int(number % 10000);
  QString out;
  if (high > 0) {
    out = belowTenThousand(high) + QChar(u'万');
    if (low > 0 && low < 1000) out += QChar(kDigits[0]);
  }
  if (low > 0) out += belowTenThousand(low);
  // 10..19 at the front are said 十, 十一 ..., not 一十, 一十一.
  if (out.startsWith(QStringLiteral("一十"))) out.remove(0, 1);
  return out;
}

QString chineseNumeral(const QString& digits) {
  if (digits.isEmpty() || digits.size() > 18) return digits;
  for (QChar c : digits)
    if (c.unicode() < u'0' || c.unicode() > u'9') return digits;
  const long long n = digits.toLongLong();
  if (n > 99999999) return digits;
  return chineseNumeral(n);
}

QString chineseWeekday(int dayOfWeek) {
  static const char16_t kDays[] = u"一二三四五六日";
  if (dayOfWeek < 1 || dayOfWeek > 7) return QString();
  return QString(QChar(kDays[dayOfWeek - 1]));
}

QString chineseWeekday(const QDate& date) { return date.isValid() ? chineseWeekday(date.dayOfWeek()) : QString(); }

}  // namespace sa
