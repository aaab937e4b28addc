#pragma once
// The settings block: two placeholder areas in the application image that the
// Configurator fills and the application reads back at start-up.
//
//   plain settings area   500 x 'A', zero byte  ->  server|school|update URL, zero byte
//   credential area       500 x 'B', zero byte  ->  enciphered user|password, zero byte
//
// Each area is read as a zero-terminated string from its first byte; the rest
// of the placeholder letters stay in the image. Everything stored is GBK.
#include <QByteArray>
#include <QString>

namespace sa::settings {

struct Settings {
  QString server;     // MySQL server: host name or dotted IPv4 address
  QString school;     // school name
  QString updateUrl;  // address of the update list file
  QString user;       // MySQL user name
  QString password;   // MySQL password
  bool operator==(const Settings&) const = default;
};

// Placeholder letters per area, and the longest record an area can hold with
// its terminating zero byte.
inline constexpr qsizetype kAreaLetters = 500;
inline constexpr qsizetype kMaxRecordBytes = 499;

// What the application uses when the block cannot be read (an unconfigured
// image, a broken credential record): the MySQL server on this machine as root.
inline constexpr char kFallbackServer[] = "127.0.0.1";
inline constexpr char kFallbackUser[] = "root";
QString fallbackPassword();    // "514"
QString fallbackSchoolName();  // "Quorlan示范学校"

// The stored records, GBK: "server|school|updateUrl" and "user|password"
// (the latter before it is enciphered).
QByteArray plainRecord(const Settings& s);
QByteArray credentialRecord(const Settings& s);
// The credential record enciphered under the settings key, as it is stored.
QByteArray encipheredCredentials(const Settings& s);

enum class WriteStatus {
  Written,
  PlainTooLong,       // plain record over 499 bytes
  CipherTooLong,      // enciphered credential record over 499 bytes
  CipherHasZeroByte,  // would be cut short at its zero byte when read back
  AreaMissing,        // the image lacks a run of 500 'A' or 500 'B'
};

// The checks made before any image is touched, in their order: the plain
// record's length, the ciphertext's length, a zero byte in the ciphertext.
WriteStatus checkRecords(const Settings& s);

struct WriteResult {
  WriteStatus status = WriteStatus::AreaMissing;
  QByteArray image;  // the configured copy, same length as the input; empty unless Written
  bool ok() const { return status == WriteStatus::Written; }
};

// Copies the image and overwrites, from the first byte of the first run of 500
// 'A', the plain record and a zero byte, and from the first byte of the first
// run of 500 'B', the ciphertext and a zero byte. Nothing else changes.
WriteResult writeSettings(const QByteArray& image, const Settings& s);

// Where the first runs of 500 'A' and 500 'B' start, -1 when there is none.
struct AreaOffsets {
  qsizetype plain = -1;
  qsizetype credential = -1;
  bool found() const { return plain >= 0 && credential >= 0; }
};
AreaOffsets findAreas(const QByteArray& image);

// Reads the settings from the two areas, each taken up to its first zero byte,
// with every fall-back of the reading rules.
Settings readSettings(const char* plainArea, const char* credentialArea);
// The same for an image file, at the area offsets of its unconfigured form.
// A missing or truncated area reads as empty (and so falls back).
Settings readSettingsAt(const QByteArray& image, AreaOffsets offsets);

}  // namespace sa::settings
