#pragma once
// Writing a file whole: the new content replaces the old only once it is
// completely on disk, so a failed write leaves the earlier file intact.
#include <QByteArray>
#include <QString>

namespace sa {

bool writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace sa
