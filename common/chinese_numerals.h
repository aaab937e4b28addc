#pragma once
// Simplified Chinese numerals for grade numbers and the weekday of the
// welcome line: 0 零, 3 三, 10 十, 12 十二, 20 二十, 105 一百零五.
#include <QDate>
#include <QString>

namespace sa {

// 0..99999999 as a Chinese numeral; other numbers as decimal digits, so that
// a strange grade number still shows as something readable.
QString chineseNumeral(long long number);

// The same for a run of ASCII digits as found in a class name ("02" gives 二).
// Text that is not a run of digits, or too large, comes back unchanged.
QString chineseNumeral(const QString& digits);

// "一" .. "六" for Monday .. Saturday and "日" for Sunday, taking Qt's day of
// the week (1 = Monday .. 7 = Sunday); "" for anything else.
QString chineseWeekday(int dayOfWeek);
QString chineseWeekday(const QDate& date);

}  // namespace sa
