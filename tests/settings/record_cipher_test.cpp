#include <gtest/gtest.h>

#include "settings/record_cipher.h"

namespace sa::settings {
namespace {

const QByteArray kKeyText(kSettingsKeyText);

std::string hex(const QByteArray& bytes) { return bytes.toHex().toStdString(); }

TEST(RecordCipher, DesMatchesThePublishedKnownAnswer) {
  // The classic worked example of DES (key 133457799BBCDFF1).
  const QByteArray key = QByteArray::fromHex("133457799BBCDFF1");
  const QByteArray plain = QByteArray::fromHex("0123456789ABCDEF");
  EXPECT_EQ(hex(desEcbEncrypt(key, plain)), "85e813540f0ab405");
  EXPECT_EQ(desEcbDecrypt(key, QByteArray::fromHex("85E813540F0AB405")), plain);
}

TEST(RecordCipher, EcbEnciphersEveryBlockOnItsOwn) {
  const QByteArray key = QByteArray::fromHex("133457799BBCDFF1");
  const QByteArray block = QByteArray::fromHex("0123456789ABCDEF");
  EXPECT_EQ(hex(desEcbEncrypt(key, block + block)), "85e813540f0ab40585e813540f0ab405");
}

TEST(RecordCipher, SettingsKeyIsTheKeyTextFoldedOntoEightBytes) {
  // 'k'^'8' = 0x53 and '&'^'9' = 0x1F; bytes 2..7 are "?#@!*7" unchanged.
  EXPECT_EQ(hex(foldKey(kKeyText)), "531f3f2340212a37");
}

TEST(RecordCipher, StoredFormOfACredentialRecordIsPinned) {
  // Computed with another DES implementation from the frame
  // 08 00 00 00 "root|514" 00 00 00 00 under key 531F3F2340212A37. Every
  // configured copy and every Configurator must agree on these bytes.
  EXPECT_EQ(hex(encipherRecord("root|514", kKeyText)), "09c0157fd4085ee971c91425b7ab4bd4");
}

TEST(RecordCipher, FramesToTheNextMultipleOfEight) {
  struct Case {
    QByteArray record;
    qsizetype enciphered;
  };
  const Case cases[] = {
      {"a|bc", 8},                // 4 + 4: no padding
      {"admin|12345", 16},        // 4 + 11, padded by 1
      {"ab|cd", 16},              // 4 + 5, padded by 7
      {QByteArray(12, 'x'), 16},  // 4 + 12 exactly
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record.toStdString());
    const QByteArray enciphered = encipherRecord(c.record, kKeyText);
    EXPECT_EQ(enciphered.size(), c.enciphered);
    EXPECT_EQ(decipherRecord(enciphered, kKeyText), c.record);
    // The frame itself: length little-endian, record, zero padding.
    const QByteArray frame = desEcbDecrypt(foldKey(kKeyText), enciphered);
    EXPECT_EQ(frame.left(4), QByteArray(1, char(c.record.size())) + QByteArray(3, '\0'));
    EXPECT_EQ(frame.mid(4, c.record.size()), c.record);
    EXPECT_EQ(frame.mid(4 + c.record.size()), QByteArray(c.enciphered - 4 - c.record.size(), '\0'));
  }
}

TEST(RecordCipher, DecipherRejectsLengthsThatAreNotPositiveMultiplesOfEight) {
  const QByteArray good = encipherRecord("root|secret!", kKeyText);  // 16 bytes
  ASSERT_EQ(good.size(), 16);
  for (qsizetype size : {0, 1, 7, 9, 15}) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(decipherRecord(good.left(size), kKeyText).isEmpty());
  }
  // Cut at a block boundary the frame no longer holds the L it announces.
  EXPECT_TRUE(decipherRecord(good.left(8), kKeyText).isEmpty());
  EXPECT_EQ(decipherRecord(good, kKeyText), "root|secret!");
}

TEST(RecordCipher, DecipherRejectsFramesWhoseLengthDoesNotFit) {
  const QByteArray key = foldKey(kKeyText);
  auto frame = [](quint32 length, qsizetype size) {
    QByteArray f(size, 'x');
    for (int i = 0; i < 4; ++i) f[i] = char((length >> (8 * i)) & 0xFF);
    return f;
  };
  struct Case {
    const char* what;
    quint32 length;
    qsizetype size;
    bool accepted;
  };
  const Case cases[] = {
      {"L zero", 0, 8, false},
      {"L fills the frame", 4, 8, true},
      {"L one past the frame", 5, 8, false},
      {"L beyond 32 bits of sense", 0xFFFFFFFFu, 16, false},
      {"padding of 7", 5, 16, true},
      {"a whole block of padding too many", 4, 16, false},
      {"L reaching into the last block", 13, 24, true},
      {"L leaving a whole spare block", 12, 24, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QByteArray result = decipherRecord(desEcbEncrypt(key, frame(c.length, c.size)), kKeyText);
    if (c.accepted)
      EXPECT_EQ(result, QByteArray(qsizetype(c.length), 'x'));
    else
      EXPECT_TRUE(result.isEmpty());
  }
}

}  // namespace
}  // namespace sa::settings
