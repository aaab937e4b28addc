#include "settings/settings_block.h"

#include <QStringList>

#include "common/gbk.h"
#include "settings/record_cipher.h"

namespace sa::settings {

namespace {

const QLatin1Char kSeparator('|');

QByteArray settingsKey() { return QByteArray(kSettingsKeyText); }

qsizetype findRun(const QByteArray& image, char letter) {
  qsizetype run = 0;
  for (qsizetype i = 0; i < image.size(); ++i) {
    run = image[i] == letter ? run + 1 : 0;
    if (run == kAreaLetters) return i + 1 - kAreaLetters;
  }
  return -1;
}

void overwrite(QByteArray& image, qsizetype at, const QByteArray& record) {
  image.replace(at, record.size(), record);
  image[at + record.size()] = '\0';
}

// Bytes of an area up to its first zero byte (or the end of what is there).
QByteArray cString(const QByteArray& image, qsizetype at) {
  if (at < 0 || at >= image.size()) return {};
  const qsizetype end = image.indexOf('\0', at);
  return image.mid(at, (end < 0 ? image.size() : end) - at);
}

Settings readRecords(const QByteArray& plain, const QByteArray& enciphered) {
  Settings s;
  // Split the decoded text, not the bytes: the second byte of a GBK character
  // may be 0x7C (as in "東"), which is no separator.
  const QStringList fields = gbk::decode(plain).split(kSeparator);
  if (fields.size() == 3) {
    s.server = fields[0];
    s.school = fields[1];
    s.updateUrl = fields[2];
  }
  QByteArray credentials = decipherRecord(enciphered, settingsKey());
  if (const qsizetype zero = credentials.indexOf('\0'); zero >= 0) credentials.truncate(zero);
  const QStringList account = gbk::decode(credentials).split(kSeparator);
  if (account.size() == 2) {
    s.user = account[0];
    s.password = account[1];
  } else {
    s.server = QString::fromLatin1(kFallbackServer);
    s.user = QString::fromLatin1(kFallbackUser);
    s.password = fallbackPassword();
    s.school = fallbackSchoolName();
  }
  return s;
}

}  // namespace

QString fallbackPassword() { return QStringLiteral("514"); }
QString fallbackSchoolName() { return QStringLiteral("Quorlan示范学校"); }

QByteArray plainRecord(const Settings& s) {
  return gbk::encode(s.server + kSeparator + s.school + kSeparator + s.updateUrl);
}

QByteArray credentialRecord(const Settings& s) { return gbk::encode(s.user + kSeparator + s.password); }

QByteArray encipheredCredentials(const Settings& s) { return encipherRecord(credentialRecord(s), settingsKey()); }

WriteStatus checkRecords(const Settings& s) {
  if (plainRecord(s).size() > kMaxRecordBytes) return WriteStatus::PlainTooLong;
  const QByteArray cipher = encipheredCredentials(s);
  if (cipher.size() > kMaxRecordBytes) return WriteStatus::CipherTooLong;
  if (cipher.contains('\0')) return WriteStatus::CipherHasZeroByte;
  return WriteStatus::Written;
}

WriteResult writeSettings(const QByteArray& image, const Settings& s) {
  if (const WriteStatus checked = checkRecords(s); checked != WriteStatus::Written) return {checked, {}};
  QByteArray copy(image.constData(), image.size());
  const qsizetype plainAt = findRun(copy, 'A');
  if (plainAt < 0) return {WriteStatus::AreaMissing, {}};
  overwrite(copy, plainAt, plainRecord(s));
  // Searched only now, in the copy, as the reader's image will be laid out.
  const qsizetype credentialAt = findRun(copy, 'B');
  if (credentialAt < 0) return {WriteStatus::AreaMissing, {}};
  overwrite(copy, credentialAt, encipheredCredentials(s));
  return {WriteStatus::Written, copy};
}

AreaOffsets findAreas(const QByteArray& image) { return {findRun(image, 'A'), findRun(image, 'B')}; }

Settings readSettings(const char* plainArea, const char* credentialArea) {
  return readRecords(QByteArray(plainArea), QByteArray(credentialArea));
}

Settings readSettingsAt(const QByteArray& image, AreaOffsets offsets) {
  return readRecords(cString(image, offsets.plain), cString(image, offsets.credential));
}

}  // namespace sa::settings
