// The GBK INI file against files written byte by byte, as a workstation of
// the school would have left them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/gbk.h"
#include "common/ini_file.h"

namespace sa {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }
QByteArray gbkBytes(const char* utf8) { return gbk::encode(QString::fromUtf8(utf8)); }

class CommonIniFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path() const { return dir.filePath(QStringLiteral("config.ini")); }
  void put(const QByteArray& bytes) const {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QByteArray contents() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir;
};

// A file as a workstation keeps it: a comment, Chinese sections and keys,
// padding around '=', a value holding '=', blank lines between sections.
const char kSample[] =
    "; 本机设置\r\n"
    "[School]\r\n"
    "Name=实验中学\r\n"
    "\r\n"
    "[班级分类]\r\n"
    "分类1=理本\r\n"
    "  分类2 =  文 本 \t\r\n"
    "分类3=\r\n"
    "分类4=　全角　\r\n"
    "; 分类5=注释\r\n"
    "\r\n"
    "[Graduate]\r\n"
    "date1=2010年9月1日\r\n"
    "公式=a=b+c\r\n";

TEST_F(CommonIniFile, ReadsKeysLikeTheProfileFunctions) {
  put(gbkBytes(kSample));
  const IniFile ini(path());
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"School", "Name", "实验中学"},
      {"班级分类", "分类1", "理本"},
      {"班级分类", "分类2", "文 本"},           // ASCII blanks around the value trimmed
      {"班级分类", "分类3", ""},               // present but empty: not the default
      {"班级分类", "分类4", "　全角　"},       // full-width spaces are part of the value
      {"graduate", "DATE1", "2010年9月1日"},   // names ignore ASCII case
      {"Graduate", "公式", "a=b+c"},           // the value starts after the first '='
      {"班级分类", "分类5", "缺省"},           // a commented-out key is missing
      {"班级分类", "分类9", "缺省"},
      {"Graduate", "Name", "缺省"},            // keys belong to their own section
      {"无此节", "分类1", "缺省"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ini.read(u8(c.section), u8(c.key), u8("缺省")), u8(c.expected));
  }
}

TEST_F(CommonIniFile, ChineseNamesCompareExactly) {
  // Full-width letters are not ASCII: they do not fold to their half-width
  // or other-case forms.
  put(gbkBytes("[ＡＢ]\r\nｋｅｙ=1\r\n"));
  const IniFile ini(path());
  EXPECT_EQ(ini.read(u8("ＡＢ"), u8("ｋｅｙ"), u8("-")), u8("1"));
  EXPECT_EQ(ini.read(u8("ａｂ"), u8("ｋｅｙ"), u8("-")), u8("-"));
  EXPECT_EQ(ini.read(u8("AB"), u8("key"), u8("-")), u8("-"));
}

TEST_F(CommonIniFile, MissingFileGivesDefaultsAndNoNames) {
  const IniFile ini(path());
  EXPECT_EQ(ini.read(u8("Interface"), u8("Style"), u8("0")), u8("0"));
  EXPECT_TRUE(ini.keys(u8("Interface")).isEmpty());
  EXPECT_TRUE(ini.sections().isEmpty());
}

TEST_F(CommonIniFile, WritingAKeyChangesOnlyItsValue) {
  put(gbkBytes(kSample));
  IniFile ini(path());
  ASSERT_TRUE(ini.write(u8("GRADUATE"), u8("Date1"), u8("2011年7月1日")));
  ASSERT_TRUE(ini.write(u8("班级分类"), u8("分类2"), u8("艺术")));
  QByteArray expected = gbkBytes(kSample);
  expected.replace(gbkBytes("date1=2010年9月1日"), gbkBytes("date1=2011年7月1日"));
  expected.replace(gbkBytes("  分类2 =  文 本 \t"), gbkBytes("  分类2 =艺术"));
  EXPECT_EQ(contents(), expected);
}

TEST_F(CommonIniFile, NewKeysGoToTheirSectionAndNewSectionsToTheEnd) {
  put(gbkBytes(kSample));
  IniFile ini(path());
  ASSERT_TRUE(ini.write(u8("班级分类"), u8("分类6"), u8("体育")));
  ASSERT_TRUE(ini.write(u8("优秀分数"), u8("分数"), u8("85")));
  QByteArray expected = gbkBytes(kSample);
  // After the section's last key, before the comment and the blank line.
  expected.replace(gbkBytes("分类4=　全角　\r\n"), gbkBytes("分类4=　全角　\r\n分类6=体育\r\n"));
  expected += gbkBytes("[优秀分数]\r\n分数=85\r\n");
  EXPECT_EQ(contents(), expected);
}

TEST_F(CommonIniFile, NewFileAndKeyInEmptySection) {
  IniFile ini(path());
  ASSERT_TRUE(ini.write(u8("User"), u8("User1"), u8("张老师")));
  EXPECT_EQ(contents(), gbkBytes("[User]\r\nUser1=张老师\r\n"));

  put(gbkBytes("[User]\r\n\r\n[Windows]\r\nWindow=\r\n"));
  ASSERT_TRUE(ini.write(u8("user"), u8("User1"), u8("李")));
  EXPECT_EQ(contents(), gbkBytes("[User]\r\nUser1=李\r\n\r\n[Windows]\r\nWindow=\r\n"));
}

TEST_F(CommonIniFile, KeepsTheFilesLineEnds) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {"[a]\nk=1\n", "[a]\nk=1\nm=2\n"},
      {"[a]\nk=1", "[a]\nk=1\nm=2\n"},          // a last line without a line end gets one
      {"[a]", "[a]\r\nm=2\r\n"},                // nothing to go by: "\r\n"
      {"[a]\r\nk=1\nx=y\r\n", "[a]\r\nk=1\nx=y\r\nm=2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    put(c.before);
    ASSERT_TRUE(IniFile(path()).write(u8("a"), u8("m"), u8("2")));
    EXPECT_EQ(contents(), QByteArray(c.after));
  }
}

TEST_F(CommonIniFile, ValuesReadBackAsWritten) {
  IniFile ini(path());
  const char* values[] = {"a=b", "=", "理本", "x = y", "; 不是注释", "[不是节]", "", "a;b", "高中2年级12班",
                          "全角　空格"};
  for (const char* v : values) {
    SCOPED_TRACE(v);
    ASSERT_TRUE(ini.write(u8("备注"), u8("Notes"), u8(v)));
    EXPECT_EQ(ini.read(u8("备注"), u8("notes"), u8("缺省")), u8(v));
    EXPECT_EQ(ini.keys(u8("备注")), QStringList{u8("Notes")});
  }
  EXPECT_EQ(ini.sections(), QStringList{u8("备注")});
}

TEST_F(CommonIniFile, RefusesWhatCouldNotBeReadBackAndLeavesTheFile) {
  put(gbkBytes(kSample));
  IniFile ini(path());
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"a", "k=1", "v"},     {"a", "", "v"},        {"a", ";k", "v"},         {"a", "[k", "v"},
      {"a", " k", "v"},      {"a]b", "k", "v"},     {"", "k", "v"},           {"a", "k", "two\r\nlines"},
      {"a", "k", "line\n"},  {"a", "k", "笑😀"},   {"a", "键😀", "v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
    EXPECT_FALSE(ini.write(u8(c.section), u8(c.key), u8(c.value)));
    EXPECT_EQ(contents(), gbkBytes(kSample));
  }
}

TEST_F(CommonIniFile, LinesItDoesNotTouchKeepTheirBytes) {
  // A stray byte that is not GBK would not survive decoding and encoding.
  static const char kOdd[] = "[a]\r\nodd=\x81\x20\xff\r\n";
  const QByteArray odd(kOdd, sizeof kOdd - 1);
  put(odd);
  ASSERT_TRUE(IniFile(path()).write(u8("a"), u8("k"), u8("1")));
  EXPECT_EQ(contents(), odd + "k=1\r\n");
}

TEST_F(CommonIniFile, WriteFailsWhereTheFileCannotBeWritten) {
  const QString paths[] = {dir.filePath(QStringLiteral("no-such-folder/config.ini")), dir.path()};
  for (const QString& p : paths) {
    SCOPED_TRACE(p.toStdString());
    EXPECT_FALSE(IniFile(p).write(u8("a"), u8("k"), u8("1")));
  }
}

TEST_F(CommonIniFile, RemoveKeyDropsOnlyItsLines) {
  put(gbkBytes("[Users]\r\nUser1=甲\r\n; 注\r\nuser1=重复\r\nUser2=乙\r\n[Other]\r\nUser1=丙\r\n"));
  IniFile ini(path());
  ASSERT_TRUE(ini.removeKey(u8("users"), u8("USER1")));
  EXPECT_EQ(contents(), gbkBytes("[Users]\r\n; 注\r\nUser2=乙\r\n[Other]\r\nUser1=丙\r\n"));
  EXPECT_EQ(ini.read(u8("Users"), u8("User1"), u8("无")), u8("无"));

  const QByteArray before = contents();
  EXPECT_TRUE(ini.removeKey(u8("Users"), u8("User9")));
  EXPECT_TRUE(ini.removeKey(u8("无此节"), u8("User2")));
  EXPECT_EQ(contents(), before);
}

TEST_F(CommonIniFile, ListsKeysAndSectionsInFileOrder) {
  put(gbkBytes("k0=before any section\r\n[班级分类]\r\n分类2=a\r\n分类1=b\r\n; x=y\r\nKey=c\r\nKEY=d\r\n"
               "[Edition]\r\nEdition=0.514\r\n[edition]\r\nother=1\r\n"));
  const IniFile ini(path());
  EXPECT_EQ(ini.keys(u8("班级分类")), (QStringList{u8("分类2"), u8("分类1"), u8("Key")}));
  EXPECT_EQ(ini.sections(), (QStringList{u8("班级分类"), u8("Edition")}));
  // Of two sections of one name, the first is the one that counts.
  EXPECT_EQ(ini.keys(u8("EDITION")), QStringList{u8("Edition")});
  EXPECT_EQ(ini.read(u8("edition"), u8("other"), u8("无")), u8("无"));
}

}  // namespace
}  // namespace sa
