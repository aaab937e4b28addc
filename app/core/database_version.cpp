#include "app/core/database_version.h"

namespace sa::core {

QString readDatabaseVersion(db::Connection& db) {
  if (!db.isOpen()) return {};
  db::Result r = db.query(QStringLiteral("select * from db_version where id=1;"));
  if (!r || r.rowCount() == 0) return {};
  r.seek(0);
  return r.value(QStringLiteral("db_version"));
}

}  // namespace sa::core
