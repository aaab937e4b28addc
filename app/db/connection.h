#pragma once
// The one door to the MySQL server. Statements are built as text by the
// callers; every value pasted into them goes through esc(). Texts cross this
// boundary as QString and travel as GBK.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "app/db/result.h"

struct st_mysql;

namespace sa::db {

struct ConnectionParams {
  QString host;
  QString user;
  QString password;
  QString database;
  unsigned port = 3306;
};

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens a connection with the gbk character set. An empty database connects
  // without selecting one. False on failure; lastError() tells why.
  bool open(const ConnectionParams& params);
  bool isOpen() const { return mysql_ != nullptr; }
  void close();

  // A statement that returns no rows. False on failure.
  bool execute(const QString& sql);
  // A statement that returns rows. A failed statement gives a Result that
  // tests false; a statement without a result set gives an empty valid Result.
  Result query(const QString& sql);
  // Several statements separated by ';' (the installed schema, for one).
  bool executeScript(const QString& sql);

  // Runs a statement with one '?' standing for a binary value (a photo).
  bool executeWithBlob(const QString& sqlWithPlaceholder, const QByteArray& data);

  // The value escaped for pasting between single quotes in a statement.
  QString esc(const QString& value) const;

  QStringList tables();
  bool selectDatabase(const QString& name);

  // Transactions, for moves between tables that must happen whole or not at all.
  bool begin();
  bool commit();
  bool rollback();

  unsigned long long affectedRows() const;
  unsigned long long lastInsertId() const;
  QString lastError() const { return lastError_; }
  unsigned lastErrno() const { return lastErrno_; }
  const ConnectionParams& params() const { return params_; }

 private:
  bool run(const QByteArray& sql);
  void takeError();
  void setError(const QString& text, unsigned code);

  st_mysql* mysql_ = nullptr;
  ConnectionParams params_;
  QString lastError_;
  unsigned lastErrno_ = 0;
};

// Rolls back unless committed: keeps a multi-statement move whole.
class Transaction {
 public:
  explicit Transaction(Connection& db) : db_(db), active_(db.begin()) {}
  ~Transaction() {
    if (active_) db_.rollback();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  bool started() const { return active_; }
  bool commit() {
    if (!active_) return false;
    active_ = false;
    return db_.commit();
  }

 private:
  Connection& db_;
  bool active_;
};

}  // namespace sa::db
