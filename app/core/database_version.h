#pragma once
// The version of the installed database schema (`db_version`, row 1).
#include <QString>

#include "app/db/connection.h"

namespace sa::core {

// "" when the table, the row or the connection is missing.
QString readDatabaseVersion(db::Connection& db);

}  // namespace sa::core
