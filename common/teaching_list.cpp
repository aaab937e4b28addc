#include "common/teaching_list.h"

#include "common/digit_runs.h"

namespace sa::teaching {
namespace {
const QString kSeparator = QStringLiteral("<,<");
}

QStringList itemsFromStored(const QString& stored) {
  if (stored.isEmpty()) return {};
  // Strip the outer '<' of the first and last item and split between items
  // on "<,<", so that an item holding ',' (a typed class name) stays whole.
  QString inner = stored;
  if (inner.startsWith(u'<')) inner.remove(0, 1);
  if (inner.endsWith(u'<')) inner.chop(1);
  return inner.split(kSeparator);
}

QString storedFromItems(const QStringList& items) {
  QStringList unique;
  for (const QString& item : items)
    if (!unique.contains(item)) unique << item;
  if (unique.isEmpty()) return QString();
  return u'<' + unique.join(kSeparator) + u'<';
}

QString sqlInList(const QString& stored, const Escape& escape) {
  QStringList quoted;
  for (const QString& item : itemsFromStored(stored)) quoted << u'\'' + escape(item) + u'\'';
  return quoted.join(u',');
}

QString gradeSqlInList(const QString& storedGrades, const QString& classTutor, const Escape& escape) {
  if (!storedGrades.isEmpty()) return sqlInList(storedGrades, escape);
  const QChar digit = firstDigit(classTutor);
  return digit.isNull() ? QStringLiteral("''") : QStringLiteral("'%1'").arg(digit);
}

}  // namespace sa::teaching
