#include "settings/record_cipher.h"

#include <nettle/des.h>

#include <cstdint>

namespace sa::settings {

namespace {

constexpr qsizetype kBlock = DES_BLOCK_SIZE;

const uint8_t* bytes(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }
uint8_t* bytes(QByteArray& a) { return reinterpret_cast<uint8_t*>(a.data()); }

bool usable(const QByteArray& key, const QByteArray& blocks) {
  return key.size() == DES_KEY_SIZE && blocks.size() % kBlock == 0;
}

des_ctx keySchedule(const QByteArray& key) {
  des_ctx ctx;
  // The result only says whether the key is one of the weak DES keys; the
  // schedule is set up either way, and a stored format cannot pick its key.
  (void)des_set_key(&ctx, bytes(key));
  return ctx;
}

}  // namespace

QByteArray foldKey(const QByteArray& keyText) {
  QByteArray key(DES_KEY_SIZE, '\0');
  for (qsizetype i = 0; i < keyText.size(); ++i) key[i % DES_KEY_SIZE] = char(key[i % DES_KEY_SIZE] ^ keyText[i]);
  return key;
}

QByteArray desEcbEncrypt(const QByteArray& key, const QByteArray& blocks) {
  if (!usable(key, blocks)) return {};
  des_ctx ctx = keySchedule(key);
  QByteArray out(blocks.size(), '\0');
  // ECB: Nettle's des_encrypt treats every 8-byte block on its own.
  des_encrypt(&ctx, size_t(blocks.size()), bytes(out), bytes(blocks));
  return out;
}

QByteArray desEcbDecrypt(const QByteArray& key, const QByteArray& blocks) {
  if (!usable(key, blocks)) return {};
  des_ctx ctx = keySchedule(key);
  QByteArray out(blocks.size(), '\0');
  des_decrypt(&ctx, size_t(blocks.size()), bytes(out), bytes(blocks));
  return out;
}

QByteArray encipherRecord(const QByteArray& record, const QByteArray& keyText) {
  const auto length = uint32_t(record.size());
  QByteArray frame;
  frame.reserve(record.size() + 4 + kBlock);
  for (int shift = 0; shift < 32; shift += 8) frame.append(char((length >> shift) & 0xFF));
  frame.append(record);
  while (frame.size() % kBlock != 0) frame.append('\0');
  return desEcbEncrypt(foldKey(keyText), frame);
}

QByteArray decipherRecord(const QByteArray& enciphered, const QByteArray& keyText) {
  const qsizetype size = enciphered.size();
  if (size <= 0 || size % kBlock != 0) return {};
  const QByteArray frame = desEcbDecrypt(foldKey(keyText), enciphered);
  const uint8_t* p = bytes(frame);
  const qint64 length = qint64(p[0]) | qint64(p[1]) << 8 | qint64(p[2]) << 16 | qint64(p[3]) << 24;
  if (length <= 0 || length > size - 4 || size >= length + 12) return {};
  return frame.mid(4, length);
}

}  // namespace sa::settings
