#pragma once
// A teacher's grades, classes and class numbers are stored in one text each,
// every item between two '<' and the items joined by ',' (grades 3 and 4 are
// "<3<,<4<"). In statements they become the inside of an SQL in (...) list.
#include <QString>
#include <QStringList>
#include <functional>

namespace sa::teaching {

// Escapes a value for pasting between single quotes (the database layer's
// quoting; it must know the connection's character set).
using Escape = std::function<QString(const QString&)>;

// The items of a stored list, in order. "" gives no items.
QStringList itemsFromStored(const QString& stored);

// The stored list of the items, each item once, in first-seen order.
QString storedFromItems(const QStringList& items);

// The inside of an SQL in (...) list: "<3<,<4<" gives "'3','4'". Every item is
// escaped, so a class name with a quote cannot break the statement; an empty
// stored list gives "".
QString sqlInList(const QString& stored, const Escape& escape);

// The grade list of a logged-in user: the stored grades as above, or, when
// none are stored, the first digit of the class-tutor class quoted ("'2'"),
// or "''" when that class has no digit either.
QString gradeSqlInList(const QString& storedGrades, const QString& classTutor, const Escape& escape);

}  // namespace sa::teaching
