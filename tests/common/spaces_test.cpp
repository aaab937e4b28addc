#include <gtest/gtest.h>

#include "common/gbk.h"
#include "common/spaces.h"

namespace sa {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

TEST(CommonSpaces, RemovesAsciiAndFullWidthSpacesOnly) {
  struct Case {
    const char* text;
    const char* removed;
  };
  const Case cases[] = {
      {"", ""},
      {"localhost", "localhost"},
      {" 192.168.1.1 ", "192.168.1.1"},
      {"张　三", "张三"},
      {"　 　", ""},
      {"a b　c d", "abcd"},
      {"tab\there", "tab\there"},   // only spaces count, not other blanks
      {"不换行\u00a0空格", "不换行\u00a0空格"},
      {"啊、", "啊、"},           // GBK B0 A1 A1 A2: the A1 A1 in the middle is no space
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(removeSpaces(u8(c.text)), u8(c.removed));
    EXPECT_EQ(containsSpaces(u8(c.text)), u8(c.text) != u8(c.removed));
  }
}

TEST(CommonSpaces, TheFullWidthSpaceIsGbkA1A1) {
  // The stored bytes the rule speaks of, so that a text read from the
  // database or a GBK file is tested the same way.
  const QString fromBytes = gbk::decode(QByteArray("\xa1\xa1", 2));
  EXPECT_TRUE(containsSpaces(fromBytes));
  EXPECT_EQ(removeSpaces(QStringLiteral("a") + fromBytes + QStringLiteral("b")), QStringLiteral("ab"));
  EXPECT_EQ(gbk::encode(u8("啊、")), QByteArray("\xb0\xa1\xa1\xa2", 4));
}

}  // namespace
}  // namespace sa
