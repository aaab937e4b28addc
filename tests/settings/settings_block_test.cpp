#include <gtest/gtest.h>

#include <functional>

#include "common/gbk.h"
#include "settings/record_cipher.h"
#include "settings/settings_block.h"

namespace sa::settings {

void PrintTo(const Settings& s, std::ostream* os) {
  *os << "{" << s.server.toStdString() << " | " << s.school.toStdString() << " | " << s.updateUrl.toStdString()
      << " | " << s.user.toStdString() << " | " << s.password.toStdString() << "}";
}

namespace {

// An image shaped like the application: other data around the two areas,
// including runs of 499 letters that must not be taken for an area.
struct Image {
  QByteArray bytes;
  qsizetype plainAt = 0;
  qsizetype credentialAt = 0;
};

Image unconfiguredImage() {
  Image image;
  image.bytes = QByteArray("\x7f" "ELF header and code", 20) + QByteArray(499, 'A') + "|" + QByteArray(499, 'B') +
                QByteArray(3, '\0');
  image.plainAt = image.bytes.size();
  image.bytes += QByteArray(500, 'A') + '\0';
  image.credentialAt = image.bytes.size();
  image.bytes += QByteArray(500, 'B') + '\0';
  image.bytes += QByteArray("more read-only data") + QByteArray(600, 'A') + QByteArray(600, 'B');
  return image;
}

Settings fallback(const QString& updateUrl = {}) {
  return {QStringLiteral("127.0.0.1"), QStringLiteral("Quorlan示范学校"), updateUrl, QStringLiteral("root"),
          QStringLiteral("514")};
}

Settings sample() {
  return {QStringLiteral("db.school.local"), QStringLiteral("东城第一中学"),
          QStringLiteral("http://www.myschool.edu.cn/sm/update.txt"), QStringLiteral("teacher"),
          QStringLiteral("Pa55word")};
}

// Credentials whose record is `recordSize` bytes, the password varied until
// the ciphertext holds (or lacks) a zero byte as asked.
Settings withCredentials(qsizetype recordSize, bool withZeroByte) {
  Settings s = sample();
  for (int i = 0; i < 100000; ++i) {
    s.password = QStringLiteral("p%1").arg(i);
    s.user = QString(recordSize - 1 - s.password.size(), QLatin1Char('u'));
    if (encipheredCredentials(s).contains('\0') == withZeroByte) return s;
  }
  ADD_FAILURE() << "no credentials of " << recordSize << " bytes found";
  return s;
}

Settings readBack(const QByteArray& configured) {
  return readSettingsAt(configured, findAreas(unconfiguredImage().bytes));
}

TEST(SettingsBlock, ConfiguredImageReadsBackWhatWasWritten) {
  const Image image = unconfiguredImage();
  // "東" is GBK 96 7C: its second byte is the separator's byte.
  for (Settings s : {sample(), Settings{QStringLiteral("10.0.0.8"), QStringLiteral("東莞市東城中學"),
                                        QStringLiteral("http://x/u.txt"), QStringLiteral("東"), QStringLiteral("1")}}) {
    SCOPED_TRACE(s.school.toStdString());
    ASSERT_EQ(checkRecords(s), WriteStatus::Written);
    const WriteResult result = writeSettings(image.bytes, s);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(readBack(result.image), s);
  }
}

TEST(SettingsBlock, ConfiguredImageDiffersOnlyInTheWrittenBytes) {
  const Image image = unconfiguredImage();
  const Settings s = sample();
  const QByteArray plain = plainRecord(s);
  const QByteArray cipher = encipheredCredentials(s);
  const WriteResult result = writeSettings(image.bytes, s);
  ASSERT_TRUE(result.ok());
  ASSERT_EQ(result.image.size(), image.bytes.size());

  EXPECT_EQ(result.image.mid(image.plainAt, plain.size() + 1), plain + '\0');
  EXPECT_EQ(result.image.mid(image.credentialAt, cipher.size() + 1), cipher + '\0');
  auto written = [&](qsizetype i) {
    return (i >= image.plainAt && i <= image.plainAt + plain.size()) ||
           (i >= image.credentialAt && i <= image.credentialAt + cipher.size());
  };
  for (qsizetype i = 0; i < image.bytes.size(); ++i)
    if (!written(i)) {
      ASSERT_EQ(result.image[i], image.bytes[i]) << "byte " << i << " changed";
    }
  EXPECT_EQ(plainRecord(s), gbk::encode(QStringLiteral("db.school.local|东城第一中学|"
                                                       "http://www.myschool.edu.cn/sm/update.txt")));
  EXPECT_EQ(decipherRecord(cipher, kSettingsKeyText), "teacher|Pa55word");
}

TEST(SettingsBlock, ReadingFallsBackAsDocumented) {
  const Image image = unconfiguredImage();
  const Settings s = sample();
  auto with = [&](const std::function<void(Settings&)>& change) {
    Settings changed = s;
    change(changed);
    return readBack(writeSettings(image.bytes, changed).image);
  };
  // A plain record that does not split in three leaves the three settings
  // empty; good credentials then decide nothing else falls back.
  const Settings plainLost{{}, {}, {}, s.user, s.password};
  struct Case {
    const char* what;
    Settings read;
    Settings expected;
  };
  const Case cases[] = {
      {"unconfigured image", readBack(image.bytes), fallback()},
      {"| in the server", with([](Settings& v) { v.server += QStringLiteral("|x"); }), plainLost},
      {"| in the school", with([](Settings& v) { v.school += QStringLiteral("|"); }), plainLost},
      {"| in the update URL", with([](Settings& v) { v.updateUrl += QStringLiteral("|y"); }), plainLost},
      {"| in the user", with([](Settings& v) { v.user += QStringLiteral("|"); }), fallback(s.updateUrl)},
      {"| in the password", with([](Settings& v) { v.password += QStringLiteral("|z"); }), fallback(s.updateUrl)},
      {"| in both records", with([](Settings& v) { v.server += QStringLiteral("|"); v.user += QStringLiteral("|"); }),
       fallback()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.read, c.expected);
  }
}

TEST(SettingsBlock, RecordsOfAtMost499BytesFit) {
  const Image image = unconfiguredImage();
  auto plainOf = [](qsizetype size) {
    Settings s = sample();  // "|东城第一中学|" + URL, the server fills the rest
    s.server = QString(size - plainRecord(s).size() + s.server.size(), QLatin1Char('h'));
    return s;
  };
  struct Case {
    const char* what;
    Settings settings;
    qsizetype size;  // of the plain record, or of the ciphertext
    WriteStatus status;
  };
  const Case plainCases[] = {
      {"plain 499", plainOf(499), 499, WriteStatus::Written},
      {"plain 500", plainOf(500), 500, WriteStatus::PlainTooLong},
  };
  // The ciphertext grows in steps of 8: 496 is the largest that fits.
  const Case cipherCases[] = {
      {"ciphertext 496", withCredentials(492, false), 496, WriteStatus::Written},
      {"ciphertext 504", withCredentials(493, false), 504, WriteStatus::CipherTooLong},
  };
  for (const Case& c : plainCases) ASSERT_EQ(plainRecord(c.settings).size(), c.size) << c.what;
  for (const Case& c : cipherCases) ASSERT_EQ(encipheredCredentials(c.settings).size(), c.size) << c.what;
  for (const Case& c : {plainCases[0], plainCases[1], cipherCases[0], cipherCases[1]}) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(checkRecords(c.settings), c.status);
    const WriteResult result = writeSettings(image.bytes, c.settings);
    EXPECT_EQ(result.status, c.status);
    if (result.ok())
      EXPECT_EQ(readBack(result.image), c.settings);
    else
      EXPECT_TRUE(result.image.isEmpty());
  }
}

TEST(SettingsBlock, CiphertextWithAZeroByteIsRefused) {
  const Image image = unconfiguredImage();
  const Settings s = withCredentials(16, true);
  const QByteArray cipher = encipheredCredentials(s);
  ASSERT_TRUE(cipher.contains('\0'));

  // Stored anyway, the application would read it cut short and fall back.
  QByteArray stored = image.bytes;
  stored.replace(image.credentialAt, cipher.size(), cipher);
  EXPECT_EQ(readBack(stored).user, QStringLiteral("root"));

  EXPECT_EQ(checkRecords(s), WriteStatus::CipherHasZeroByte);
  const WriteResult result = writeSettings(image.bytes, s);
  EXPECT_EQ(result.status, WriteStatus::CipherHasZeroByte);
  EXPECT_TRUE(result.image.isEmpty());
}

TEST(SettingsBlock, ImageWithoutBothAreasIsRefused) {
  const QByteArray onlyPlain = QByteArray(500, 'A') + '\0' + QByteArray(499, 'B') + '\0';
  EXPECT_EQ(writeSettings(onlyPlain, sample()).status, WriteStatus::AreaMissing);
  EXPECT_EQ(writeSettings(QByteArray(2000, 'B'), sample()).status, WriteStatus::AreaMissing);
}

TEST(SettingsBlock, FindsTheFirstRunsOf500Letters) {
  const Image image = unconfiguredImage();
  const AreaOffsets at = findAreas(image.bytes);
  EXPECT_EQ(at.plain, image.plainAt);
  EXPECT_EQ(at.credential, image.credentialAt);
}

TEST(SettingsBlock, ReadsZeroTerminatedAreas) {
  const QByteArray cipher = encipheredCredentials(sample());
  const QByteArray plain = plainRecord(sample()) + '\0' + QByteArray(40, 'A');
  EXPECT_EQ(readSettings(plain.constData(), (cipher + '\0').constData()), sample());
  EXPECT_EQ(readSettings(QByteArray(500, 'A').constData(), QByteArray(500, 'B').constData()), fallback());
}

}  // namespace
}  // namespace sa::settings
