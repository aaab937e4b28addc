#include "common/spaces.h"

namespace sa {
namespace {
constexpr char16_t kFullWidthSpace = 0x3000;  // GBK A1 A1
}

// Works on characters, not on GBK bytes: a byte pair A1 A1 that straddles two
// characters (啊、 is B0 A1 A1 A2) is not a space and must not be cut out.
QString removeSpaces(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text)
    if (c.unicode() != u' ' && c.unicode() != kFullWidthSpace) out += c;
  return out;
}

bool containsSpaces(const QString& text) {
  for (QChar c : text)
    if (c.unicode() == u' ' || c.unicode() == kFullWidthSpace) return true;
  return false;
}

}  // namespace sa
