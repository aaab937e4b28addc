#pragma once
// Tests run against the private MariaDB started by scripts/test.sh. Each test
// that touches the database starts from a freshly installed schema.
#include <gtest/gtest.h>

#include "app/db/connection.h"

namespace sa::test {

// Connection parameters of the test server (environment, with the defaults of
// scripts/test.sh), for the given database.
db::ConnectionParams serverParams(const QString& database = {});

// Drops and recreates `didododederaz` from the installed schema. Fails the
// current test when the server cannot be reached.
void installFreshSchema();

// A fixture whose `db` is connected to a freshly installed `didododederaz`.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override;
  db::Connection db;
  // Runs a statement and fails the test when it fails.
  void exec(const QString& sql);
  // The first field of the first row of a query, "" when there is none.
  QString scalar(const QString& sql);
};

}  // namespace sa::test
