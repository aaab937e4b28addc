#include "common/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace sa::gbk {

// Opening an ICU converter is costly and every field of every row passes
// through here, so each thread keeps one stateless converter per direction.
namespace {
QStringEncoder& encoder() {
  thread_local QStringEncoder e("GBK", QStringConverter::Flag::Stateless);
  return e;
}
QStringDecoder& decoder() {
  thread_local QStringDecoder d("GBK", QStringConverter::Flag::Stateless);
  return d;
}
}  // namespace

QByteArray encode(const QString& text) {
  QByteArray out = encoder().encode(text);
  return out;
}

QString decode(const QByteArray& bytes) {
  QString out = decoder().decode(bytes);
  return out;
}

QString decodeCString(const char* bytes) {
  return decode(QByteArray(bytes));
}

}  // namespace sa::gbk
