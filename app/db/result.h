#pragma once
// A stored result set. Owns the MySQL result and frees it when it goes away.
// Rows are read by position; the current row starts at 0 and moves with
// seek() or next(). Column names match without regard to case, as in MySQL.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

struct st_mysql_res;

namespace sa::db {

class Result {
 public:
  Result() = default;  // a failed statement
  Result(Result&&) noexcept;
  Result& operator=(Result&&) noexcept;
  ~Result();

  // True when the statement succeeded.
  explicit operator bool() const { return ok_; }
  bool ok() const { return ok_; }

  int rowCount() const;
  int columnCount() const { return columns_.size(); }
  const QStringList& columns() const { return columns_; }
  int columnIndex(const QString& name) const;  // -1 when there is no such column

  // A fresh result stands on its first row, so a single-row read needs no
  // move; `while (r.next())` still visits every row, the first one included.
  int row() const { return row_; }
  bool seek(int row);
  bool next();
  bool atRow() const { return row_ >= 0 && row_ < rowCount(); }

  bool isNull(int column) const;
  bool isNull(const QString& column) const { return isNull(columnIndex(column)); }
  // The text of a field; NULL and missing columns read as "".
  QString value(int column) const;
  QString value(const QString& column) const { return value(columnIndex(column)); }
  // The raw bytes of a field (binary columns).
  QByteArray bytes(int column) const;
  QByteArray bytes(const QString& column) const { return bytes(columnIndex(column)); }

 private:
  friend class Connection;
  explicit Result(st_mysql_res* res);
  static Result emptyOk();
  void fetchRow() const;
  void release();

  st_mysql_res* res_ = nullptr;
  bool ok_ = false;
  int row_ = 0;
  bool started_ = false;
  QStringList columns_;
  mutable int fetchedRow_ = -2;
  mutable char** rowData_ = nullptr;
  mutable unsigned long* lengths_ = nullptr;
  mutable int cursorRow_ = 0;  // the row mysql_fetch_row gives next
};

}  // namespace sa::db
