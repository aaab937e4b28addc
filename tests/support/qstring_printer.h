#pragma once
// Lets GoogleTest print QStrings and QStringLists readably in failure
// messages. Every test source gets it through a forced include (see
// tests/CMakeLists.txt), so all of them print these types the same way.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < list.size(); ++i) {
    if (i) *os << ", ";
    PrintTo(list[i], os);
  }
  *os << '}';
}
