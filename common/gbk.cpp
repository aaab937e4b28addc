#include "common/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace sa::gbk {

QByteArray encode(const QString& text) {
  QStringEncoder encoder("GBK");
  QByteArray out = encoder.encode(text);
  return out;
}

QString decode(const QByteArray& bytes) {
  QStringDecoder decoder("GBK");
  QString out = decoder.decode(bytes);
  return out;
}

QString decodeCString(const char* bytes) {
  return decode(QByteArray(bytes));
}

}  // namespace sa::gbk
