#pragma once
// The space test applied to names, passwords and server addresses: ASCII
// spaces and full-width spaces (U+3000, GBK A1 A1) count, other blanks do not.
#include <QString>

namespace sa {

QString removeSpaces(const QString& text);

// True when removing the spaces would change the text.
bool containsSpaces(const QString& text);

}  // namespace sa
