#pragma once
// The record cipher: a length-framed record enciphered with DES in ECB mode.
// The settings block keeps the MySQL credentials this way; the wage record
// files use the same cipher under their own key text.
#include <QByteArray>

namespace sa::settings {

// The key text both programs carry for the settings block.
inline constexpr char kSettingsKeyText[] = "k&?#@!*789";

// The 8-byte DES key: the key text XOR-folded onto 8 zero bytes (text byte i
// goes into key byte i mod 8). DES ignores the low bit of each byte.
QByteArray foldKey(const QByteArray& keyText);

// DES in ECB mode over whole 8-byte blocks under an 8-byte key. Returns an
// empty array when the key is not 8 bytes or the data is not whole blocks.
QByteArray desEcbEncrypt(const QByteArray& key, const QByteArray& blocks);
QByteArray desEcbDecrypt(const QByteArray& key, const QByteArray& blocks);

// Frames the record (length L as 4 bytes little-endian, the record, zero bytes
// up to the next multiple of 8) and enciphers the frame.
QByteArray encipherRecord(const QByteArray& record, const QByteArray& keyText);

// The reverse. Empty when the input is not a positive multiple of 8 bytes or
// when L does not fit the frame (L > 0, L <= size - 4, size < L + 12).
QByteArray decipherRecord(const QByteArray& enciphered, const QByteArray& keyText);

}  // namespace sa::settings
