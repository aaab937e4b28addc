#include "common/digit_runs.h"

namespace sa {
namespace {
// Full-width and other scripts' digits are not grade or class numbers.
bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
}  // namespace

QStringList digitRuns(const QString& text, TrailingRun trailing) {
  QStringList runs;
  qsizetype i = 0;
  while (i < text.size()) {
    if (!isAsciiDigit(text[i])) {
      ++i;
      continue;
    }
    const qsizetype start = i;
    while (i < text.size() && isAsciiDigit(text[i])) ++i;
    if (i == text.size() && trailing == TrailingRun::Drop) break;
    runs << text.mid(start, i - start);
  }
  return runs;
}

QString joinedDigitRuns(const QString& text, TrailingRun trailing) { return digitRuns(text, trailing).join(QString()); }

QChar firstDigit(const QString& text) {
  for (QChar c : text)
    if (isAsciiDigit(c)) return c;
  return QChar();
}

}  // namespace sa
