#pragma once
// Every text the system stores, sends or writes to a file is GBK. These two
// functions are the one place where QString meets GBK bytes.
#include <QByteArray>
#include <QString>

namespace sa::gbk {

// Characters GBK cannot hold become '?', as the platform's own conversion does.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
// Decodes up to the first zero byte (a C string inside a larger buffer).
QString decodeCString(const char* bytes);

}  // namespace sa::gbk
